#include "lines/filters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/state.h"
#include "fake_os.h"
#include "menu/menu_tables.h"

namespace qv {
namespace {

using Labels = std::vector<std::string>;

void SetWords(int set, Labels words) {
    KeywordSets& k = process::settings.keywordSets;
    for (size_t w = 0; w < words.size(); ++w) k.words[set][w] = words[w];
    k.wordCount[set] = int(words.size());
}

os::Menu FilterSubmenu() {
    os::Menu menu = os::CreatePopupMenu();
    AppendNavigationItems(menu, true);
    return fake::FindItem(menu, cmdGrepMenu)->submenu;
}

TEST(Filters, SetZeroWantsAnyWordTheOthersEveryWord) {
    const struct { std::vector<int> selected; const char* line; bool accepted; } cases[] = {
        {{}, "nothing at all", true}, {{0}, "only XYZ here", true}, {{0}, "abc only", true}, {{0}, "neither", false},
        {{1}, "XYZ then Abc", true},  {{1}, "abc alone", false},    {{1, 2}, "abc alone", false},
        {{1, 2}, "a cat", true},      {{3}, "anything", true},      // a set without words
        {{4}, "abc", false},          // requested by a switch, still waiting for its words
    };
    for (auto& c : cases) {
        fake::Reset();
        SetWords(0, {"abc", "xyz"});
        SetWords(1, {"abc", "xyz"});
        SetWords(2, {"cat", "dog"});
        process::settings.keywordSets.wordCount[2] = 1;  // "dog" is left from an earlier value
        SetWords(4, {"abc"});
        KeywordSets& k = process::settings.keywordSets;
        for (int set : c.selected) k.selected[set] = set == 4 ? 2 : 1;
        k.filterActive = !c.selected.empty();
        EXPECT_EQ(LineMatchesFilter(c.line), c.accepted) << c.line << " " << c.selected.size();
    }
    SelectKeywordSets(2);  // a set chosen in the grep menu: it alone filters
    EXPECT_TRUE(LineMatchesFilter("a cat") && !LineMatchesFilter("abc xyz"));
    SelectKeywordSets(-1);
    EXPECT_TRUE(LineMatchesFilter("abc xyz"));
}

TEST(Filters, SubmenuLabelsJoinTheWordsAndCheckTheSelectedSets) {
    fake::Reset();
    EXPECT_EQ(fake::Labels(FilterSubmenu()), Labels{"&all"});  // without words only "all"
    SetWords(0, {"alpha", "beta"});
    SetWords(3, {"alpha", "beta"});
    SetWords(5, {std::string(19, 'v') + "\x95\x5C" "tail"});
    // "&2 ", four words of 18 bytes and one of 16 with their joiners: 103 bytes, then it stops.
    SetWords(2, {std::string(18, 'a'), std::string(18, 'b'), std::string(18, 'c'), std::string(18, 'd'),
                 std::string(16, 'e'), "f"});
    SetWords(6, {std::string(20, 'a'), std::string(18, 'b'), std::string(18, 'c'), std::string(18, 'd'),
                 std::string(11, 'e')});  // 100 bytes: no ellipsis
    process::settings.keywordSets.selected[3] = 1;
    process::settings.keywordSets.selected[5] = 2;
    os::Menu sub = FilterSubmenu();
    const std::string words2 = std::string(20, 'a') + " | " + std::string(18, 'b') + " | " + std::string(18, 'c') +
                               " | " + std::string(18, 'd');
    EXPECT_EQ(fake::Labels(sub),
              (Labels{"&all", "-", "&0 alpha + beta",
                      "&2 " + std::string(18, 'a') + words2.substr(20) + " | " + std::string(16, 'e') + " .....",
                      "&3 alpha | beta", "&5 " + std::string(19, 'v'), "&6 " + words2 + " | " + std::string(11, 'e')}));
    const unsigned ids[] = {cmdGrepAll, cmdPageSeparator, cmdGrepSetFirst, cmdGrepSetFirst + 2, cmdGrepSetFirst + 3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sub->items[i].id, ids[i]);
    for (int i = 2; i < 7; ++i) EXPECT_EQ(sub->items[i].checked, i == 4) << i;
}

}  // namespace
}  // namespace qv
