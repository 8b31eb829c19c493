// Cutting text into lines.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

constexpr size_t kShortLineLimit = 517;
constexpr size_t kLongLineLimit = 2077;

// Cuts the line that starts at start: LF ends it, CR and TAB are dropped, at
// most 517 (or 2077) characters are kept. Returns the bytes consumed up to the
// next line; at the end of the data that is one more than what was left.
size_t SplitLine(std::string_view data, size_t start, bool longLines, std::string* line);

// A line's text ends at its first NUL byte: drops, in place, the rest of each
// such line up to its LF. Returns the new length.
size_t CutLinesAtNul(char* text, size_t length);

}  // namespace qv
