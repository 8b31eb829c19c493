#include "common/encoding.h"

#include "common/text.h"
#include "common/utf.h"

namespace qv {

namespace {

bool StartsWith(std::string_view text, std::string_view mark) { return text.substr(0, mark.size()) == mark; }

bool ReadMark(std::string_view start, DetectedCode* found) {
    if (StartsWith(start, "\xEF\xBB\xBF")) *found = {TextCode::utf8, 3, true};
    else if (StartsWith(start, "\xFF\xFE")) *found = {TextCode::utf16le, 2, true};
    else if (StartsWith(start, "\xFE\xFF")) *found = {TextCode::utf16be, 2, true};
    else return false;
    return true;
}

// C2-DF then A1-BF is valid UTF-8 and also two cp932 half-width katakana.
bool CouldBeHalfWidthKana(std::string_view sequence) {
    return sequence.size() == 2 && static_cast<unsigned char>(sequence[1]) >= 0xA1;
}

enum class Utf8Evidence { invalid, none, found };

// Code-page-932 text almost never passes: most of its lead bytes are UTF-8
// continuation bytes.
Utf8Evidence ReadUtf8Evidence(std::string_view block) {
    Utf8Evidence evidence = Utf8Evidence::none;
    for (size_t i = AsciiPrefixLength(block); i < block.size(); i += AsciiPrefixLength(block.substr(i))) {
        const CharRead read = ReadUtf8Char(block.substr(i));
        if (read.status == CharRead::invalid) return Utf8Evidence::invalid;
        if (read.status == CharRead::cut) break;
        if (!CouldBeHalfWidthKana(block.substr(i, read.length))) evidence = Utf8Evidence::found;
        i += read.length;
    }
    return evidence;
}

}  // namespace

CodeMode ParseCodeMode(std::string_view value) {
    value = value.substr(0, value.find_last_not_of(' ') + 1);
    if (value == "932") return CodeMode::cp932;
    if (EqualsI(value, "utf8") || EqualsI(value, "utf-8")) return CodeMode::utf8;
    return CodeMode::automatic;
}

DetectedCode DetectTextCode(std::string_view block, CodeMode mode, bool fromStart) {
    if (mode == CodeMode::cp932) return {TextCode::cp932, 0, true};
    DetectedCode marked{};
    if (fromStart && ReadMark(block, &marked)) return marked;
    if (mode == CodeMode::utf8) return {TextCode::utf8, 0, true};
    switch (ReadUtf8Evidence(block)) {
    case Utf8Evidence::invalid: return {TextCode::cp932, 0, true};
    case Utf8Evidence::found: return {TextCode::utf8, 0, false};
    default: return {TextCode::cp932, 0, false};
    }
}

}  // namespace qv
