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
    const KeywordSets& sets = process::settings.keywordSets;
    if (!sets.filterActive) return true;
    if (sets.selected[0] == 1)  // set 0: any one of its words
        for (int w = 0; w < sets.wordCount[0]; ++w)
            if (ContainsI(line, sets.words[0][w].view())) return true;
    for (int set = 0; set < kKeywordSetCount; ++set)  // every selected set: all of its words
        if (sets.selected[set] == 1 && SetMatches(sets, set, line)) return true;
    return false;
}

void SelectKeywordSets(int onlySet) {
    KeywordSets& sets = process::settings.keywordSets;
    for (int set = 0; set < kKeywordSetCount; ++set) sets.selected[set] = set == onlySet ? 1 : 0;
    sets.selectedCount = onlySet >= 0 ? 1 : 0;
    sets.filterActive = sets.selectedCount > 0 ? 1 : 0;
}

void ToggleKeywordSet(int set) {
    if (set < 0 || set >= kKeywordSetCount) return;
    KeywordSets& sets = process::settings.keywordSets;
    if (sets.selected[set] == 1) {
        sets.selected[set] = 0;
        if (--sets.selectedCount <= 0) {
            sets.selectedCount = 0;
            sets.filterActive = 0;
        }
    } else {
        sets.selected[set] = 1;
        ++sets.selectedCount;
        sets.filterActive = 1;
    }
}

namespace {
constexpr size_t kFirstWordBytes = 20;
constexpr size_t kLabelBytes = 100;  // past this no further word is shown
}  // namespace

// Set 0 reads as alternatives, the others as conjunctions.
std::string KeywordSetLabel(int set) {
    const KeywordSets& sets = process::settings.keywordSets;
    std::string label = "&" + std::to_string(set) + " ";
    std::string_view first = sets.words[set][0].view();
    label.append(first.substr(0, CharBoundary(first, kFirstWordBytes)));
    const char* joiner = set == 0 ? " + " : " | ";
    int count = sets.wordCount[set] < kMaxWordsPerSet ? sets.wordCount[set] : kMaxWordsPerSet;
    for (int w = 1; w < count; ++w) {
        label.append(joiner).append(sets.words[set][w].view());
        if (label.size() > kLabelBytes) {
            label.append(" .....");
            break;
        }
    }
    return label;
}

}  // namespace qv
