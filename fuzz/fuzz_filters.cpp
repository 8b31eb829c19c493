// The keyword filters: LineMatchesFilter equals a plain reference over the
// plain cp932 search (a line passes a selected set 0 holding any of its words,
// another selected set holding all of its words, a selected set without words;
// only state 1 selects, state 2 waits for its words; with none selected every
// line passes), after any sequence of ToggleKeywordSet and SelectKeywordSets,
// which keep selectedCount and filterActive true to the states.
#include <string>
#include <string_view>

#include "fuzz_machine.h"
#include "lines/filters.h"

namespace {

bool ReferenceMatches(std::string_view line) {
    const qv::KeywordSets& sets = qv::process::settings.keywordSets;
    bool anySelected = false;
    for (int set = 0; set < qv::kKeywordSetCount; ++set) {
        if (sets.selected[set] != 1) continue;
        anySelected = true;
        int found = 0;
        for (int w = 0; w < sets.wordCount[set]; ++w)
            found += fuzz::ReferenceFindI(line, sets.words[set][w].view()) != std::string_view::npos;
        if (sets.wordCount[set] == 0 || found == sets.wordCount[set] || (set == 0 && found > 0)) return true;
    }
    return !anySelected;
}

}  // namespace

FUZZ_MACHINE(input) {
    fuzz::ConsumeKeywordSets(input);
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: qv::ToggleKeywordSet(input.ConsumeIntegralInRange(-2, qv::kKeywordSetCount + 1)); break;
        case 1: qv::SelectKeywordSets(input.ConsumeIntegralInRange(-1, qv::kKeywordSetCount - 1)); break;
        default: {
            const std::string line = fuzz::ConsumeText(input, 3000);
            FUZZ_CHECK(qv::LineMatchesFilter(line) == ReferenceMatches(line));
        }
        }
        fuzz::CheckKeywordSets(qv::process::settings.keywordSets);
    }
}
