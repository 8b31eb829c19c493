// The values of the settings options and switches: how a value is cut into
// fields (one rule for every parser), and what each field sets.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

struct FieldGrammar {
    std::string_view separator;
    size_t tokenLimit;  // bytes kept of a field (whole characters); the rest up to the separator is dropped
    int mostFields;     // a separator after this many fields ends the value
    bool lineEndEnds;   // a CR or LF ends the value
};

constexpr int kAnyFieldCount = 1 << 30;

//                                      sep        token  fields          CR/LF ends
constexpr FieldGrammar kMenuFields{     ",",       6,     2,              true};
constexpr FieldGrammar kFontFields{     ",",       127,   8,              true};
constexpr FieldGrammar kTextFields{     ",",       6,     10,             true};
constexpr FieldGrammar kListFields{     ",",       6,     2,              true};
constexpr FieldGrammar kFilterFields{   ";",       259,   kAnyFieldCount, true};
constexpr FieldGrammar kKeywordFields{  " | ",     259,   kAnyFieldCount, false};

class FieldCutter {
public:
    FieldCutter(std::string_view value, const FieldGrammar& grammar) : value_(value), grammar_(grammar) {}

    // Cuts the next field into token; false once the value is used up.
    bool Next(std::string* token);
    // The field just cut was ended by the end of the value, not by a separator.
    bool AtEnd() const { return ended_; }
    // 1-based number of the field just cut.
    int FieldNumber() const { return fields_; }

private:
    std::string_view value_;
    FieldGrammar grammar_;
    size_t position_ = 0;
    int fields_ = 0;
    bool ended_ = false;
};

// The option parsers: each reads the value after its keyword or switch.
void ParseMenuOption(std::string_view value);    // "@menu=", "/#m="
void ParseFontOption(std::string_view value);    // "@font="
void ParseTextOption(std::string_view value);    // "@text="
void ParseListOption(std::string_view value);    // "@list="
void ParseFilterOption(std::string_view value);  // "@filter=", "/#f="
void ParseKeywordSet(std::string_view value, int set);  // "@grep#=", "/#g#="
void ParseCodeOption(std::string_view value);    // "@code="

}  // namespace qv
