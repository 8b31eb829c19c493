#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace qv {

// Visits the lines of the section opened by header (found anywhere, any case):
// the rest of the header's line is skipped, each line is cut by SplitLine,
// leading blanks are removed. A visitor returning false ends the section.
// The last line is visited even without a line end after it.
void ForEachSectionLine(std::string_view content, std::string_view header,
                        const std::function<bool(const std::string& line)>& visit);

// A line that starts with "%end" in any case.
bool IsSectionEnd(std::string_view line);

}  // namespace qv
