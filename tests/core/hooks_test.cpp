#include "menu/hooks.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "lines/filters.h"
#include "line_items.h"
#include "menu/tracking.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetLauncher;

constexpr uint32_t kPressed = 0x00000001u;
constexpr unsigned kOpensSubmenu = os::kMfPopup << 16;  // WM_MENUSELECT's flag: the low word is a position

class HookTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        testing_items::SetCurrentFile("C:\\notes\\memo.txt");
        testing_items::SetLines({"a", "b", "c", "d"});
        SetLauncher(0, "C:\\tools\\p.exe", "\"%P\"");
        SetLauncher(1, "@clip", "");
        menu = os::CreatePopupMenu();
        for (unsigned id : {1020u, 1050u, 1051u, 1053u, 5000u, 5001u, 5002u, 5003u, 6001u, 6010u, 6012u, 6014u, 6017u})
            os::AppendMenuItem(menu, os::kMfString, id, "item");
        fake::clipboard = "old";
    }
    void Highlight(unsigned item) { OnMenuSelect(item, menu); }
    bool Key(unsigned key, int code = 0) { return MenuKeyboardHookAction(code, key, kPressed); }
    std::string Clipboard() const { return fake::clipboard.value_or("<none>"); }
    os::Menu menu = nullptr;
};

// What one input leaves behind, by the highlighted item (0: none).
TEST_F(HookTest, DecisionTable) {
    enum { mouse, key };
    const struct { int via, code; unsigned input, id; bool swallowed; int alternate, marked, sets; const char* clipboard; } cases[] = {
        {mouse, -1, kWmMButtonDown, 5001, false, 0, 0, 0, "old"},
        {mouse, 0, kWmMButtonDown, 5001, true, 0, 1, 0, "old"}, {mouse, 0, kWmMButtonDown, 6012, true, 0, 0, 1, "old"},
        {mouse, 0, kWmMButtonDown, 5999, false, 0, 0, 0, "old"},  // beyond itemCount
        {mouse, 0, kWmRButtonDown, 5002, true, 0, 0, 0, "c"},
        {mouse, 0, kWmRButtonDown, 1051, true, 0, 0, 0, "a\r\nb\r\nc\r\nd"},  // a clip launcher
        {mouse, 0, kWmRButtonDown, 1050, false, 0, 0, 0, "old"},              // a program launcher
        {mouse, 0, kWmRButtonDown, 1020, false, 1, 0, 0, "old"},  // a command: the dispatch sees the right button
        {mouse, 0, kWmRButtonDown, 6001, false, 1, 0, 0, "old"},
        {mouse, 0, kWmRButtonDown, 5004, false, 0, 0, 0, "old"},
        // A file item, the launchers' or the keyword sets' item: a position, no command.
        {mouse, 0, kWmRButtonDown, kOpensSubmenu | 0, false, 0, 0, 0, "old"},
        {mouse, 0, kWmRButtonDown, kOpensSubmenu | 12, false, 0, 0, 0, "old"},
        {mouse, 0, 0x205, 1020, false, 0, 0, 0, "old"},  // right button released
        {mouse, 0, 0x201, 5001, false, 0, 0, 0, "old"},  // left button
        {mouse, 0, kWmRButtonDown, 0, false, 0, 0, 0, "old"}, {mouse, 0, kWmMButtonDown, 1051, false, 0, 0, 0, "old"},
        {key, 0, os::kVkSpace, 5000, true, 0, 1, 0, "old"}, {key, 0, os::kVkSpace, 6014, true, 0, 0, 1, "old"},
        {key, 0, os::kVkSpace, 1051, false, 0, 0, 0, "old"},
        {key, 0, os::kVkInsert, 5003, true, 0, 0, 0, "d"}, {key, 0, os::kVkInsert, 5000, true, 0, 0, 0, "a"},
        {key, 0, os::kVkInsert, 1051, true, 0, 0, 0, "a\r\nb\r\nc\r\nd"},
        {key, 0, os::kVkInsert, 1050, false, 0, 0, 0, "old"}, {key, 0, os::kVkInsert, 1020, false, 0, 0, 0, "old"},
        {key, 0, os::kVkNext, 1020, false, 0, 0, 0, "old"}, {key, 0, os::kVkNext, 5004, false, 0, 0, 0, "old"},
        {key, 0, os::kVkDown, 5001, false, 0, 0, 0, "old"},
        {key, kHcNoRemove, os::kVkSpace, 5001, true, 0, 1, 0, "old"},
        {key, kHcNoRemove, os::kVkDown, 5001, false, 0, 0, 0, "old"},
        {key, -1, os::kVkInsert, 5001, false, 0, 0, 0, "old"}, {key, 0, os::kVkSpace, 0, false, 0, 0, 0, "old"},
    };
    for (const auto& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << (c.via == mouse ? "mouse " : "key ") << c.input << " on " << c.id);
        if (c.id) Highlight(c.id);
        EXPECT_EQ(c.via == mouse ? MenuMouseHookAction(c.code, c.input) : Key(c.input, c.code), c.swallowed);
        EXPECT_EQ(std::vector<int>({process::menuState.alternateChoice, process::menuItems.markedCount, process::settings.keywordSets.selectedCount}),
                  std::vector<int>({c.alternate, c.marked, c.sets}));
        EXPECT_EQ(Clipboard(), c.clipboard);
    }
    Highlight(5001);
    EXPECT_FALSE(MenuKeyboardHookAction(0, os::kVkSpace, 0xC0000001u));  // a key released
}

// A release over the highlighted item would choose it and end the menu.
TEST_F(HookTest, TheReleaseOfAPressActedOnIsSwallowedOnce) {
    Highlight(5001);
    EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown));
    EXPECT_FALSE(MenuMouseHookAction(0, kWmMButtonUp));  // another button's release
    EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonUp));
    EXPECT_FALSE(MenuMouseHookAction(0, kWmRButtonUp));
    EXPECT_TRUE(MenuMouseHookAction(0, kWmMButtonDown));
    EXPECT_TRUE(MenuMouseHookAction(0, kWmMButtonUp));
    Highlight(1020);
    EXPECT_FALSE(MenuMouseHookAction(0, kWmRButtonDown));  // left to the menu, an alternate choice
    EXPECT_FALSE(MenuMouseHookAction(0, kWmRButtonUp));
    OnMenuSelect(0xFFFF0000u, nullptr);  // the menu closing on that choice keeps it
    EXPECT_EQ(process::menuState.alternateChoice, 1);
    Highlight(1020);
    MenuMouseHookAction(0, kWmRButtonDown);
    Highlight(1030);  // the highlight moved on: the next choice is a plain one
    EXPECT_EQ(process::menuState.alternateChoice, 0);
}

TEST_F(HookTest, AKeyLookedAtThenRemovedActsOnce) {
    Highlight(5001);
    const uint32_t press = kPressed | 0x390001;  // a scan code and a repeat count
    EXPECT_TRUE(MenuKeyboardHookAction(kHcNoRemove, os::kVkSpace, press));
    EXPECT_TRUE(MenuKeyboardHookAction(0, os::kVkSpace, press));  // its removal: swallowed only
    EXPECT_EQ(process::menuItems.items[1].marked, 1);
    EXPECT_TRUE(MenuKeyboardHookAction(0, os::kVkSpace, press));  // the next press acts again
    EXPECT_EQ(process::menuItems.items[1].marked, 0);
    EXPECT_TRUE(MenuKeyboardHookAction(kHcNoRemove, os::kVkInsert, press));
    EXPECT_TRUE(MenuKeyboardHookAction(kHcNoRemove, os::kVkInsert, press));  // looked at again: a new press
    EXPECT_EQ(fake::beeps, 2);
}

TEST_F(HookTest, PageKeysSetTheMarkAndStep) {
    const struct { unsigned key; bool shift; int markedBefore, markedAfter, step; } cases[] = {
        {os::kVkNext, false, 0, 1, os::kVkDown}, {os::kVkNext, true, 1, 1, os::kVkUp},
        {os::kVkPrior, false, 1, 0, os::kVkDown}, {os::kVkPrior, true, 0, 0, os::kVkUp},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.markedBefore) Mark({2});
        if (c.shift) fake::keysDown.insert(os::kVkShift);
        Highlight(5002);
        EXPECT_TRUE(Key(c.key));
        EXPECT_EQ(std::vector<int>({process::menuItems.items[2].marked, process::menuItems.markedCount}), std::vector<int>(2, c.markedAfter));
        EXPECT_EQ(fake::sentKeys, std::vector<int>{c.step});
    }
}

TEST_F(HookTest, MarksShowAsCheckMarksOrOwnerDrawnItems) {
    for (int customFont : {0, 1}) {
        SetUp();
        process::activeStyle.customFont = customFont;
        Highlight(5003);
        Key(os::kVkSpace);
        const auto* line = fake::FindItem(menu, 5003);
        EXPECT_EQ(line->checked, customFont == 0);
        EXPECT_EQ(line->ownerDraw, customFont == 1);
        Key(os::kVkSpace);
        EXPECT_FALSE(line->checked);
        Highlight(6012);  // keyword-set items always carry a check mark
        Key(os::kVkSpace);
        EXPECT_TRUE(fake::FindItem(menu, 6012)->checked);
    }
}

TEST_F(HookTest, CopiesAccumulateAndCtrlStartsAfresh) {
    process::clipboardPrefix = 1;  // left on by an earlier copy
    fake::keysDown.insert(os::kVkControl);
    Highlight(5000);
    EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown));
    EXPECT_EQ(Clipboard(), "a");
    fake::keysDown.clear();
    Highlight(5003);
    Key(os::kVkInsert);
    SetLauncher(0, "@clip", "");
    Highlight(1050);  // a clip launcher copies the same way
    Key(os::kVkInsert);
    EXPECT_EQ(Clipboard(), "a\r\nd\r\na\r\nb\r\nc\r\nd");
    fake::keysDown.insert(os::kVkControl);
    Key(os::kVkInsert);
    EXPECT_EQ(Clipboard(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(process::clipboardPrefix, 1);
    EXPECT_EQ(fake::beeps, 4);
}

TEST_F(HookTest, LauncherEntryCopyByListMode) {
    const struct { const char* parameters; bool marks; const char* clipboard; } cases[] = {
        {"%M", false, "a\r\nb\r\nc\r\nd"},  // nothing marked: all lines, whatever the template
        {"", true, "b\r\nd"}, {"%N %M", true, "memo.txt b d"}, {"\"%M\"", true, "\"b\" \"d\""}, {"<%T>", true, "<bd>"},
    };
    for (const auto& c : cases) {
        SetUp();
        SetLauncher(3, "x@CLIPy", c.parameters);
        if (c.marks) Mark({1, 3});
        Highlight(1053);
        EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown)) << c.parameters;
        EXPECT_EQ(Clipboard(), c.clipboard) << c.parameters;
        EXPECT_TRUE(fake::launches.empty());
    }
}

TEST_F(HookTest, KeywordTogglesKeepCountAndFilterInStep) {
    KeywordSets& sets = process::settings.keywordSets;
    sets.selected[4] = 2;  // requested by the command line, not yet counted
    const struct { int set, selected, selectedCount; } steps[] = {{4, 1, 1}, {7, 1, 2}, {4, 0, 1}, {7, 0, 0}, {4, 1, 1}};
    for (const auto& s : steps) {
        Highlight(6010 + s.set);
        ASSERT_TRUE(Key(os::kVkSpace));
        EXPECT_EQ(std::vector<int>({sets.selected[s.set], sets.selectedCount, sets.filterActive}),
                  std::vector<int>({s.selected, s.selectedCount, s.selectedCount > 0 ? 1 : 0}));
    }
    ToggleKeywordSet(10);  // outside the tables: nothing
    ToggleItemMark(4);
    SetItemMark(1000, 1);
    EXPECT_EQ(sets.selectedCount + process::menuItems.markedCount + process::menuItems.items[4].marked, 1);
}

}  // namespace
}  // namespace qv
