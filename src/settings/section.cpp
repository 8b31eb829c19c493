#include "settings/section.h"

#include "common/text.h"
#include "common/split_line.h"

namespace qv {

bool IsSectionEnd(std::string_view line) { return StartsWithI(line, "%end"); }

void ForEachSectionLine(std::string_view content, std::string_view header,
                        const std::function<bool(std::string_view line)>& visit) {
    LineCutter cutter(kShortLineLimit);
    bool inSection = false;
    for (size_t offset = 0; offset < content.size();) {
        std::string_view line;
        offset += SplitLine(content, offset, &cutter, &line);
        if (!inSection) {
            inSection = ContainsI(line, header);
            continue;
        }
        const size_t first = line.find_first_not_of(' ');  // tabs are already gone
        if (!visit(first == std::string_view::npos ? std::string_view() : line.substr(first))) return;
    }
}

}  // namespace qv
