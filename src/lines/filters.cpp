#include "lines/filters.h"

#include "common/state.h"

namespace qv {

namespace {
bool SetMatches(const KeywordSets& sets, int set, std::string_view line) {
    for (int w = 0; w < sets.wordCount[set]; ++w)
        if (!ContainsI(line, sets.words[set][w].view())) return false;
    return true;
}
}  // namespace

bool LineMatchesFilter(std::string_view line) {
    const KeywordSets& sets = settings.keywordSets;
    if (!sets.filterActive) return true;
    if (sets.selected[0] == 1)  // set 0: any one of its words
        for (int w = 0; w < sets.wordCount[0]; ++w)
            if (ContainsI(line, sets.words[0][w].view())) return true;
    for (int set = 0; set < kKeywordSetCount; ++set)  // sets 1..9: all of their words
        if (sets.selected[set] == 1 && SetMatches(sets, set, line)) return true;
    return false;
}

void AppendFilterSubmenu(os::Menu) {}

}  // namespace qv
