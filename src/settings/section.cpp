#include "settings/section.h"

#include "common/text.h"
#include "common/split_line.h"

namespace qv {

bool IsSectionEnd(std::string_view line) { return StartsWithI(line, "%end"); }

void ForEachSectionLine(std::string_view content, std::string_view header,
                        const std::function<bool(const std::string& line)>& visit) {
    size_t offset = FindI(content, header);
    if (offset == std::string_view::npos) return;
    std::string line;
    offset += SplitLine(content, offset, false, &line);
    while (offset < content.size()) {
        size_t consumed = SplitLine(content, offset, false, &line);
        size_t first = line.find_first_not_of(' ');  // tabs are already gone
        if (first != std::string::npos) line.erase(0, first);
        if (!visit(line)) return;
        offset += consumed;
    }
}

}  // namespace qv
