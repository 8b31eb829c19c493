// Cutting text into lines, by the one rule every reader of a file's lines
// keeps: LF ends a line, CR and TAB are dropped, a NUL ends its text, and at
// most a limit of bytes is kept, never half of a double-byte character.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

constexpr size_t kShortLineLimit = 517;
constexpr size_t kLongLineLimit = 2077;

// One line cut by that rule, handed over whole or in pieces. What it returns
// stays valid until the next call.
class LineCutter {
public:
    explicit LineCutter(size_t limit) : limit_(limit) {}

    // A line without its LF; most lines hold nothing to drop but the CR of a
    // CR LF and are taken as they stand.
    std::string_view Cut(std::string_view line);

    // The same line in pieces: Start, Feed as often as needed, Finish.
    void Start();
    void Feed(std::string_view bytes);
    std::string_view Finish();

private:
    size_t limit_;
    std::string text_;
    bool ended_ = false;  // a NUL was met
};

// Cuts the line that starts at start with cutter. Returns the bytes consumed up
// to the next line; at the end of the data that is one more than what was left.
size_t SplitLine(std::string_view data, size_t start, LineCutter* cutter, std::string_view* line);

}  // namespace qv
