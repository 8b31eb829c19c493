#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace qv {

// Visits the lines of the section opened by header (anywhere in a line, any
// case): from the next line on, each line cut by SplitLine's short form, its
// leading blanks removed. A visitor returning false ends the section. The last
// line is visited even without a line end after it.
void ForEachSectionLine(std::string_view content, std::string_view header,
                        const std::function<bool(std::string_view line)>& visit);

// A line that starts with "%end" in any case.
bool IsSectionEnd(std::string_view line);

}  // namespace qv
