#include "menu/hooks.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetLauncher;
using testing_items::SetLines;

constexpr unsigned kWmMButtonUp = 0x208, kWmRButtonUp = 0x205, kWmLButtonDown = 0x201;
constexpr uint32_t kReleased = 0xC0000001u, kPressed = 0x00000001u;

class HookTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        testing_items::SetCurrentFile("C:\\notes\\memo.txt");
        SetLines({"a", "b", "c", "d"});
        SetLauncher(0, "C:\\tools\\p.exe", "\"%P\"");
        SetLauncher(1, "@clip", "");
        menu = os::CreatePopupMenu();
        for (unsigned id : {1020u, 1050u, 1051u, 5000u, 5001u, 5002u, 5003u, 6001u, 6010u, 6012u, 6013u})
            os::AppendMenuItem(menu, os::kMfString, id, "item");
        fake::clipboard = "old";
    }
    void Highlight(unsigned id) {
        menuState.lastSelectedMenu = menu;
        menuState.lastSelectedItem = static_cast<uint16_t>(id);
    }
    int Marks() const {
        int count = 0;
        for (int k = 0; k < menuItems.itemCount; ++k) count += menuItems.items[k].marked;
        return count;
    }
    std::string Clipboard() const { return fake::clipboard.value_or("<none>"); }
    os::Menu menu = nullptr;
};

// What one input left behind.
struct Outcome {
    bool swallowed;
    int alternateChoice;
    int markedCount;
    int selectedCount;
    const char* clipboard;
    int keysSent;
};

void ExpectOutcome(const Outcome& want, bool swallowed, const char* label) {
    EXPECT_EQ(swallowed, want.swallowed) << label;
    EXPECT_EQ(menuState.alternateChoice, want.alternateChoice) << label;
    EXPECT_EQ(menuItems.markedCount, want.markedCount) << label;
    EXPECT_EQ(settings.keywordSets.selectedCount, want.selectedCount) << label;
    EXPECT_EQ(fake::clipboard.value_or("<none>"), want.clipboard) << label;
    EXPECT_EQ(int(fake::sentKeys.size()), want.keysSent) << label;
}

TEST_F(HookTest, MouseDecisions) {
    const struct {
        const char* label;
        int code;
        unsigned message;
        unsigned id;  // 0: nothing highlighted
        Outcome want;
    } cases[] = {
        {"code below 0", -1, kWmMButtonDown, 5001, {false, 0, 0, 0, "old", 0}},
        {"middle on a line", 0, kWmMButtonDown, 5001, {true, 0, 1, 0, "old", 0}},
        {"middle on a keyword set", 0, kWmMButtonDown, 6012, {true, 0, 0, 1, "old", 0}},
        {"right on a line", 0, kWmRButtonDown, 5002, {true, 0, 0, 0, "c", 0}},
        {"right on a clip launcher", 0, kWmRButtonDown, 1051, {true, 0, 0, 0, "a\r\nb\r\nc\r\nd", 0}},
        {"right on a program launcher", 0, kWmRButtonDown, 1050, {false, 0, 0, 0, "old", 0}},
        {"right on the settings command", 0, kWmRButtonDown, 1020, {false, 1, 0, 0, "old", 0}},
        {"right on a keyword set", 0, kWmRButtonDown, 6010, {false, 1, 0, 0, "old", 0}},
        {"right on grep all", 0, kWmRButtonDown, 6001, {false, 1, 0, 0, "old", 0}},
        {"right beyond itemCount", 0, kWmRButtonDown, 5004, {false, 0, 0, 0, "old", 0}},
        {"middle beyond itemCount", 0, kWmMButtonDown, 5999, {false, 0, 0, 0, "old", 0}},
        {"middle on a launcher", 0, kWmMButtonDown, 1051, {false, 0, 0, 0, "old", 0}},
        {"middle on the settings command", 0, kWmMButtonDown, 1020, {false, 0, 0, 0, "old", 0}},
        {"middle released", 0, kWmMButtonUp, 5001, {false, 0, 0, 0, "old", 0}},
        {"right released", 0, kWmRButtonUp, 1020, {false, 0, 0, 0, "old", 0}},
        {"left button", 0, kWmLButtonDown, 5001, {false, 0, 0, 0, "old", 0}},
        {"nothing highlighted", 0, kWmRButtonDown, 0, {false, 0, 0, 0, "old", 0}},
        {"nothing highlighted, middle", 0, kWmMButtonDown, 0, {false, 0, 0, 0, "old", 0}},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.id) Highlight(c.id);
        ExpectOutcome(c.want, MenuMouseHookAction(c.code, c.message), c.label);
    }
}

TEST_F(HookTest, KeyboardDecisions) {
    const struct {
        const char* label;
        int code;
        unsigned key;
        uint32_t keyData;
        unsigned id;
        Outcome want;
    } cases[] = {
        {"space on a line", 0, os::kVkSpace, kPressed, 5000, {true, 0, 1, 0, "old", 0}},
        {"space on a keyword set", 0, os::kVkSpace, kPressed, 6013, {true, 0, 0, 1, "old", 0}},
        {"space on a launcher", 0, os::kVkSpace, kPressed, 1051, {false, 0, 0, 0, "old", 0}},
        {"space on a command", 0, os::kVkSpace, kPressed, 1020, {false, 0, 0, 0, "old", 0}},
        {"insert on a line", 0, os::kVkInsert, kPressed, 5003, {true, 0, 0, 0, "d", 0}},
        {"insert on a clip launcher", 0, os::kVkInsert, kPressed, 1051, {true, 0, 0, 0, "a\r\nb\r\nc\r\nd", 0}},
        {"insert on a program launcher", 0, os::kVkInsert, kPressed, 1050, {false, 0, 0, 0, "old", 0}},
        {"insert on a command", 0, os::kVkInsert, kPressed, 1020, {false, 0, 0, 0, "old", 0}},
        {"page down on a line", 0, os::kVkNext, kPressed, 5001, {true, 0, 1, 0, "old", 1}},
        {"page up on a line", 0, os::kVkPrior, kPressed, 5001, {true, 0, 0, 0, "old", 1}},
        {"page down on a command", 0, os::kVkNext, kPressed, 1020, {false, 0, 0, 0, "old", 0}},
        {"page up on a keyword set", 0, os::kVkPrior, kPressed, 6010, {false, 0, 0, 0, "old", 0}},
        {"other key on a line", 0, os::kVkDown, kPressed, 5001, {false, 0, 0, 0, "old", 0}},
        {"key released", 0, os::kVkSpace, kReleased, 5001, {false, 0, 0, 0, "old", 0}},
        {"HC_NOREMOVE", kHcNoRemove, os::kVkSpace, kPressed, 5001, {true, 0, 1, 0, "old", 0}},
        {"HC_NOREMOVE, other key", kHcNoRemove, os::kVkDown, kPressed, 5001, {false, 0, 0, 0, "old", 0}},
        {"code below 0", -1, os::kVkInsert, kPressed, 5001, {false, 0, 0, 0, "old", 0}},
        {"space beyond itemCount", 0, os::kVkSpace, kPressed, 5004, {false, 0, 0, 0, "old", 0}},
        {"insert beyond itemCount", 0, os::kVkInsert, kPressed, 5500, {false, 0, 0, 0, "old", 0}},
        {"page down beyond itemCount", 0, os::kVkNext, kPressed, 5004, {false, 0, 0, 0, "old", 0}},
        {"nothing highlighted", 0, os::kVkSpace, kPressed, 0, {false, 0, 0, 0, "old", 0}},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.id) Highlight(c.id);
        ExpectOutcome(c.want, MenuKeyboardHookAction(c.code, c.key, c.keyData), c.label);
    }
}

TEST_F(HookTest, AKeyLookedAtThenRemovedActsOnce) {
    SetLines({"a", "b"});
    Highlight(5001);
    const uint32_t press = kPressed | 0x390001;  // a scan code and a repeat count
    EXPECT_TRUE(MenuKeyboardHookAction(kHcNoRemove, os::kVkSpace, press));
    EXPECT_TRUE(MenuKeyboardHookAction(0, os::kVkSpace, press));  // its removal: swallowed only
    EXPECT_EQ(menuItems.items[1].marked, 1);
    EXPECT_TRUE(MenuKeyboardHookAction(0, os::kVkSpace, press));  // the next press acts again
    EXPECT_EQ(menuItems.items[1].marked, 0);
    EXPECT_TRUE(MenuKeyboardHookAction(kHcNoRemove, os::kVkInsert, press));
    EXPECT_TRUE(MenuKeyboardHookAction(kHcNoRemove, os::kVkInsert, press));  // looked at again: a new press
    EXPECT_EQ(fake::beeps, 2);
    EXPECT_EQ(*fake::clipboard, "b\r\nb");
}

TEST_F(HookTest, InsertOnACommandLeavesAlternateChoiceAsItWas) {
    Highlight(1020);
    for (int before : {0, 1}) {
        menuState.alternateChoice = before;
        EXPECT_FALSE(MenuKeyboardHookAction(0, os::kVkInsert, kPressed));
        EXPECT_EQ(menuState.alternateChoice, before);
    }
}

TEST_F(HookTest, PageKeysMarkAndStep) {
    const struct {
        unsigned key;
        bool shift;
        int markedBefore;
        int markedAfter;
        int step;
    } cases[] = {
        {os::kVkNext, false, 0, 1, os::kVkDown}, {os::kVkNext, false, 1, 1, os::kVkDown},
        {os::kVkNext, true, 0, 1, os::kVkUp},    {os::kVkPrior, false, 1, 0, os::kVkDown},
        {os::kVkPrior, false, 0, 0, os::kVkDown}, {os::kVkPrior, true, 1, 0, os::kVkUp},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.markedBefore) Mark({2});
        if (c.shift) fake::keysDown.insert(os::kVkShift);
        Highlight(5002);
        EXPECT_TRUE(MenuKeyboardHookAction(0, c.key, kPressed));
        EXPECT_EQ(menuItems.items[2].marked, c.markedAfter);
        EXPECT_EQ(menuItems.markedCount, c.markedAfter);
        EXPECT_EQ(fake::sentKeys, std::vector<int>{c.step});
    }
}

TEST_F(HookTest, MarkedCountFollowsTheMarksOverRandomInput) {
    std::mt19937 random(20240611);
    SetLines({"a", "b", "c", "d", "e", "f"});
    for (int step = 0; step < 5000; ++step) {
        Highlight(5000 + random() % 8);  // two ids beyond the table
        switch (random() % 4) {
        case 0: MenuKeyboardHookAction(0, os::kVkSpace, kPressed); break;
        case 1: MenuKeyboardHookAction(0, os::kVkNext, kPressed); break;
        case 2: MenuKeyboardHookAction(0, os::kVkPrior, kPressed); break;
        default: MenuMouseHookAction(0, kWmMButtonDown); break;
        }
        ASSERT_EQ(menuItems.markedCount, Marks()) << "step " << step;
        for (int k = 0; k < 6; ++k) ASSERT_TRUE(menuItems.items[k].marked == 0 || menuItems.items[k].marked == 1);
    }
    EXPECT_EQ(menuItems.items[6].marked, 0);
}

TEST_F(HookTest, SpaceTwiceLeavesTheLineAsItWas) {
    Highlight(5001);
    MenuKeyboardHookAction(0, os::kVkSpace, kPressed);
    EXPECT_TRUE(fake::FindItem(menu, 5001)->checked);
    MenuKeyboardHookAction(0, os::kVkSpace, kPressed);
    EXPECT_EQ(menuItems.items[1].marked, 0);
    EXPECT_EQ(menuItems.markedCount, 0);
    EXPECT_FALSE(fake::FindItem(menu, 5001)->checked);
}

TEST_F(HookTest, RefreshByCheckMarkOrOwnerDraw) {
    for (int customFont : {0, 1}) {
        SetUp();
        activeStyle.customFont = customFont;
        Highlight(5003);
        MenuMouseHookAction(0, kWmMButtonDown);
        const auto* line = fake::FindItem(menu, 5003);
        EXPECT_EQ(line->checked, customFont == 0);
        EXPECT_EQ(line->ownerDraw, customFont == 1);
        EXPECT_FALSE(fake::FindItem(menu, 5002)->checked);  // only the highlighted item
        // Keyword-set items always carry a check mark, owner-drawn lines or not.
        Highlight(6012);
        MenuMouseHookAction(0, kWmMButtonDown);
        EXPECT_TRUE(fake::FindItem(menu, 6012)->checked);
        EXPECT_FALSE(fake::FindItem(menu, 6012)->ownerDraw);
    }
}

TEST_F(HookTest, CopiesAccumulateAndCtrlStartsAfresh) {
    fake::clipboard = "junk";
    clipboardPrefix = 1;  // left on by an earlier copy
    fake::keysDown.insert(os::kVkControl);
    Highlight(5000);
    EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown));
    EXPECT_EQ(Clipboard(), "a");
    fake::keysDown.clear();
    Highlight(5002);
    MenuMouseHookAction(0, kWmRButtonDown);
    Highlight(5003);
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "a\r\nc\r\nd");
    fake::keysDown.insert(os::kVkControl);
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "d");
    EXPECT_EQ(fake::beeps, 4);
    EXPECT_EQ(clipboardPrefix, 1);
}

TEST_F(HookTest, AFailedCopyStillSwallowsAndSetsThePrefix) {
    fake::clipboardBusy = true;
    Highlight(5001);
    EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown));
    EXPECT_EQ(clipboardPrefix, 1);
    EXPECT_EQ(Clipboard(), "old");
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(HookTest, LauncherEntryCopyByListMode) {
    const struct {
        const char* parameters;
        bool marks;
        const char* clipboard;
    } cases[] = {
        {"", false, "a\r\nb\r\nc\r\nd"},
        {"%M", false, "a\r\nb\r\nc\r\nd"},  // nothing marked: all lines, whatever the template
        {"", true, "b\r\nd"},
        {"%N %M", true, "memo.txt b d"},
        {"\"%M\"", true, "\"b\" \"d\""},
        {"<%T>", true, "<bd>"},
        {"\"%T\" %$J", true, "\"bd\" 1"},  // line number 1
        {"%C%X", true, "b\r\nd"},
    };
    for (const auto& c : cases) {
        SetUp();
        SetLauncher(3, "x@CLIPy", c.parameters);
        if (c.marks) Mark({1, 3});
        Highlight(1053);
        EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown)) << c.parameters;
        EXPECT_EQ(Clipboard(), c.clipboard) << c.parameters;
        EXPECT_EQ(fake::beeps, 1) << c.parameters;
        EXPECT_EQ(clipboardPrefix, 1);
        EXPECT_TRUE(fake::launches.empty());
    }
}

TEST_F(HookTest, LauncherEntryCopyAppendsUnlessCtrl) {
    clipboardPrefix = 1;
    Mark({0});
    SetLauncher(1, "@clip", "%M");
    Highlight(1051);
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "old\r\na");
    fake::keysDown.insert(os::kVkControl);
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "a");
}

TEST_F(HookTest, KeywordTogglesKeepTheirInvariants) {
    std::mt19937 random(7);
    KeywordSets& sets = settings.keywordSets;
    sets.selected[4] = 2;  // requested by the command line, not yet counted
    for (int step = 0; step < 2000; ++step) {
        const unsigned set = random() % kKeywordSetCount;
        Highlight(6010 + set);
        ASSERT_TRUE(MenuKeyboardHookAction(0, os::kVkSpace, kPressed));
        int selected = 0;
        for (int n = 0; n < kKeywordSetCount; ++n) selected += sets.selected[n] == 1;
        ASSERT_EQ(sets.selectedCount, selected);
        ASSERT_EQ(sets.filterActive, selected > 0 ? 1 : 0);
        ASSERT_NE(sets.selected[set], 2);
    }
    // The line items of the open menu stay as they are.
    EXPECT_EQ(menuItems.itemCount, 4);
    EXPECT_EQ(menuItems.markedCount, 0);
}

TEST_F(HookTest, MarkOperationsIgnoreItemsOutsideTheTable) {
    ToggleItemMark(4);
    ToggleItemMark(-1);
    SetItemMark(999, 1);
    SetItemMark(1000, 1);
    ToggleKeywordSet(10);
    ToggleKeywordSet(-1);
    EXPECT_EQ(menuItems.markedCount, 0);
    EXPECT_EQ(menuItems.items[4].marked, 0);
    EXPECT_EQ(settings.keywordSets.selectedCount, 0);
}

}  // namespace
}  // namespace qv
