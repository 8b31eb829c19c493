#include "lines/filters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/state.h"
#include "fake_os.h"

namespace qv {
namespace {

using Labels = std::vector<std::string>;

class Filters : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    static void SetWords(int set, std::vector<std::string> words) {
        KeywordSets& k = settings.keywordSets;
        for (size_t w = 0; w < words.size(); ++w) k.words[set][w] = words[w];
        k.wordCount[set] = int(words.size());
    }
    static void Select(std::vector<int> sets) {
        KeywordSets& k = settings.keywordSets;
        for (int set : sets) k.selected[set] = 1;
        k.selectedCount = int(sets.size());
        k.filterActive = k.selectedCount > 0;
    }
    static os::Menu Submenu() {
        os::Menu menu = os::CreatePopupMenu();
        os::AppendMenuItem(menu, os::kMfString, cmdGrepMenu, "&0 grep");
        AppendFilterSubmenu(menu);
        return menu->items[0].submenu;
    }
};

TEST_F(Filters, SetZeroWantsAnyWordTheOthersEveryWord) {
    struct Case {
        std::vector<int> selected;
        const char* line;
        bool accepted;
    } cases[] = {
        {{}, "nothing at all", true},
        {{0}, "only XYZ here", true},
        {{0}, "neither", false},
        {{1}, "XYZ then Abc", true},
        {{1}, "abc alone", false},
        {{2}, "concatenate", true},
        {{1, 2}, "abc alone", false},
        {{1, 2}, "a cat", true},
        {{0, 1}, "xyz", true},
    };
    for (auto& c : cases) {
        settings.keywordSets = KeywordSets();
        SetWords(0, {"abc", "xyz"});
        SetWords(1, {"abc", "xyz"});
        SetWords(2, {"cat"});
        Select(c.selected);
        EXPECT_EQ(LineMatchesFilter(c.line), c.accepted) << c.line << " " << c.selected.size();
    }
}

TEST_F(Filters, RequestedSetsAndSetsWithoutWords) {
    SetWords(3, {"abc"});
    settings.keywordSets.selected[3] = 2;  // still waiting for its words: not selected
    settings.keywordSets.filterActive = 1;
    EXPECT_FALSE(LineMatchesFilter("abc"));
    Select({4});  // selected, but holds no word
    EXPECT_TRUE(LineMatchesFilter("anything"));
}

TEST_F(Filters, SubmenuLabelsJoinTheWordsOfEachSet) {
    SetWords(0, {"alpha", "beta"});
    SetWords(3, {"alpha", "beta"});
    SetWords(5, {std::string(30, 'w')});
    SetWords(6, {std::string(19, 'v') + "\x95\x5C" "tail"});
    std::vector<std::string> forty;
    for (char c = 'a'; c < 'a' + 10; ++c) forty.push_back(std::string(40, c));
    SetWords(1, forty);
    os::Menu sub = Submenu();
    EXPECT_EQ(fake::Labels(sub),
              (Labels{"&all", "-", "&0 alpha + beta",
                      "&1 " + std::string(20, 'a') + " | " + forty[1] + " | " + forty[2] + " .....",
                      "&3 alpha | beta", "&5 " + std::string(20, 'w'), "&6 " + std::string(19, 'v')}));
    EXPECT_EQ(sub->items[0].id, unsigned(cmdGrepAll));
    EXPECT_EQ(sub->items[1].id, unsigned(cmdPageSeparator));
    EXPECT_EQ(sub->items[4].id, unsigned(cmdGrepSetFirst + 3));
}

TEST_F(Filters, LabelStopsOnlyOnceItPassesAHundredBytes) {
    // "&2 ", four words of 18 bytes and one of 16 with their joiners: 103 bytes.
    SetWords(2, {std::string(18, 'a'), std::string(18, 'b'), std::string(18, 'c'), std::string(18, 'd'),
                 std::string(16, 'e'), "f"});
    std::string label = fake::Labels(Submenu())[2];
    EXPECT_EQ(label.size(), 3 + 18 + 4 * 3 + 18 * 3 + 16 + 6u);
    EXPECT_EQ(label.substr(label.size() - 6), " .....");
    settings.keywordSets = KeywordSets();
    SetWords(2, {std::string(20, 'a'), std::string(18, 'b'), std::string(18, 'c'), std::string(18, 'd'),
                 std::string(11, 'e')});  // 100 bytes: no ellipsis
    EXPECT_EQ(fake::Labels(Submenu())[2].size(), 100u);
}

TEST_F(Filters, CheckMarksFollowTheSelection) {
    SetWords(0, {"a"});
    SetWords(4, {"b"});
    SetWords(7, {"c"});
    Select({4});
    settings.keywordSets.selected[7] = 2;
    os::Menu sub = Submenu();
    ASSERT_EQ(sub->items.size(), 5u);
    EXPECT_FALSE(sub->items[2].checked);
    EXPECT_TRUE(sub->items[3].checked);
    EXPECT_FALSE(sub->items[4].checked);
}

TEST_F(Filters, WithoutWordsOnlyAll) {
    Select({1});
    EXPECT_EQ(fake::Labels(Submenu()), Labels{"&all"});
}

}  // namespace
}  // namespace qv
