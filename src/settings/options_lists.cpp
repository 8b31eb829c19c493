#include "common/state.h"
#include "settings/options.h"
#include "settings/value_fields.h"

namespace qv {

// "@filter=" and "/#f=":  .ext;.ext;...
// Entries as written (blanks included), empty ones skipped, appended to the
// list until it holds 20.
void ParseFilterOption(std::string_view value) {
    FieldCutter fields(value, kFilterFields);
    std::string entry;
    while (process::settings.extensionFilterCount < kMaxExtensions && fields.Next(&entry)) {
        if (!entry.empty()) process::settings.extensionFilters[process::settings.extensionFilterCount++] = entry;
    }
}

// "@grep%d=" and "/#g%d=":  word | word | ...
// Words may hold blanks and "|" that do not form " | "; empty words are not
// counted; at most 10. A set the command line asked for is selected by its first word.
void ParseKeywordSet(std::string_view value, int set) {
    if (set < 0 || set >= kKeywordSetCount) return;
    KeywordSets& sets = process::settings.keywordSets;
    sets.wordCount[set] = 0;
    FieldCutter fields(value, kKeywordFields);
    std::string word;
    while (sets.wordCount[set] < kMaxWordsPerSet && fields.Next(&word)) {
        if (word.empty()) continue;
        sets.words[set][sets.wordCount[set]++] = word;
        if (sets.selected[set] == 2) {
            sets.selected[set] = 1;
            sets.selectedCount += 1;
            sets.filterActive = 1;
        }
    }
}

}  // namespace qv
