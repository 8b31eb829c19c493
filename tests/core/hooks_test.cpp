#include "menu/hooks.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetLauncher;
using testing_items::SetLines;

constexpr unsigned kWmRButtonUp = 0x205, kWmLButtonDown = 0x201;
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
    std::string Clipboard() const { return fake::clipboard.value_or("<none>"); }
    os::Menu menu = nullptr;
};

// What one input left behind.
struct Outcome {
    bool swallowed;
    int alternateChoice, markedCount, selectedCount;
    const char* clipboard;
};

void ExpectOutcome(const Outcome& want, bool swallowed, const char* label) {
    EXPECT_EQ(swallowed, want.swallowed) << label;
    EXPECT_EQ(menuState.alternateChoice, want.alternateChoice) << label;
    EXPECT_EQ(menuItems.markedCount, want.markedCount) << label;
    EXPECT_EQ(settings.keywordSets.selectedCount, want.selectedCount) << label;
    EXPECT_EQ(fake::clipboard.value_or("<none>"), want.clipboard) << label;
}

TEST_F(HookTest, MouseDecisions) {
    const struct {
        const char* label;
        int code;
        unsigned message, id;  // id 0: nothing highlighted
        Outcome want;
    } cases[] = {
        {"code below 0", -1, kWmMButtonDown, 5001, {false, 0, 0, 0, "old"}},
        {"middle on a line", 0, kWmMButtonDown, 5001, {true, 0, 1, 0, "old"}},
        {"middle on a keyword set", 0, kWmMButtonDown, 6012, {true, 0, 0, 1, "old"}},
        {"middle on a launcher", 0, kWmMButtonDown, 1051, {false, 0, 0, 0, "old"}},
        {"middle beyond itemCount", 0, kWmMButtonDown, 5999, {false, 0, 0, 0, "old"}},
        {"right on a line", 0, kWmRButtonDown, 5002, {true, 0, 0, 0, "c"}},
        {"right on a clip launcher", 0, kWmRButtonDown, 1051, {true, 0, 0, 0, "a\r\nb\r\nc\r\nd"}},
        {"right on a program launcher", 0, kWmRButtonDown, 1050, {false, 0, 0, 0, "old"}},
        {"right on the settings command", 0, kWmRButtonDown, 1020, {false, 1, 0, 0, "old"}},
        {"right on grep all", 0, kWmRButtonDown, 6001, {false, 1, 0, 0, "old"}},
        {"right beyond itemCount", 0, kWmRButtonDown, 5004, {false, 0, 0, 0, "old"}},
        {"right released", 0, kWmRButtonUp, 1020, {false, 0, 0, 0, "old"}},
        {"left button", 0, kWmLButtonDown, 5001, {false, 0, 0, 0, "old"}},
        {"nothing highlighted", 0, kWmRButtonDown, 0, {false, 0, 0, 0, "old"}},
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
        {"space on a line", 0, os::kVkSpace, kPressed, 5000, {true, 0, 1, 0, "old"}},
        {"space on a keyword set", 0, os::kVkSpace, kPressed, 6013, {true, 0, 0, 1, "old"}},
        {"space on a launcher", 0, os::kVkSpace, kPressed, 1051, {false, 0, 0, 0, "old"}},
        {"insert on a line", 0, os::kVkInsert, kPressed, 5003, {true, 0, 0, 0, "d"}},
        {"insert on a clip launcher", 0, os::kVkInsert, kPressed, 1051, {true, 0, 0, 0, "a\r\nb\r\nc\r\nd"}},
        {"insert on a program launcher", 0, os::kVkInsert, kPressed, 1050, {false, 0, 0, 0, "old"}},
        {"insert on a command", 0, os::kVkInsert, kPressed, 1020, {false, 0, 0, 0, "old"}},
        {"page down on a command", 0, os::kVkNext, kPressed, 1020, {false, 0, 0, 0, "old"}},
        {"other key on a line", 0, os::kVkDown, kPressed, 5001, {false, 0, 0, 0, "old"}},
        {"key released", 0, os::kVkSpace, kReleased, 5001, {false, 0, 0, 0, "old"}},
        {"HC_NOREMOVE", kHcNoRemove, os::kVkSpace, kPressed, 5001, {true, 0, 1, 0, "old"}},
        {"HC_NOREMOVE, other key", kHcNoRemove, os::kVkDown, kPressed, 5001, {false, 0, 0, 0, "old"}},
        {"code below 0", -1, os::kVkInsert, kPressed, 5001, {false, 0, 0, 0, "old"}},
        {"page down beyond itemCount", 0, os::kVkNext, kPressed, 5004, {false, 0, 0, 0, "old"}},
        {"nothing highlighted", 0, os::kVkSpace, kPressed, 0, {false, 0, 0, 0, "old"}},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.id) Highlight(c.id);
        ExpectOutcome(c.want, MenuKeyboardHookAction(c.code, c.key, c.keyData), c.label);
    }
}

TEST_F(HookTest, AKeyLookedAtThenRemovedActsOnce) {
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
}

TEST_F(HookTest, PageKeysSetTheMarkAndStep) {
    const struct {
        unsigned key;
        bool shift;
        int markedBefore, markedAfter, step;
    } cases[] = {
        {os::kVkNext, false, 0, 1, os::kVkDown},
        {os::kVkNext, true, 1, 1, os::kVkUp},
        {os::kVkPrior, false, 1, 0, os::kVkDown},
        {os::kVkPrior, true, 0, 0, os::kVkUp},
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

TEST_F(HookTest, MarksShowAsCheckMarksOrOwnerDrawnItems) {
    for (int customFont : {0, 1}) {
        SetUp();
        activeStyle.customFont = customFont;
        Highlight(5003);
        MenuMouseHookAction(0, kWmMButtonDown);
        const auto* line = fake::FindItem(menu, 5003);
        EXPECT_EQ(line->checked, customFont == 0);
        EXPECT_EQ(line->ownerDraw, customFont == 1);
        MenuKeyboardHookAction(0, os::kVkSpace, kPressed);
        EXPECT_FALSE(line->checked);
        EXPECT_EQ(menuItems.markedCount, 0);
        // Keyword-set items always carry a check mark.
        Highlight(6012);
        MenuMouseHookAction(0, kWmMButtonDown);
        EXPECT_TRUE(fake::FindItem(menu, 6012)->checked);
    }
}

TEST_F(HookTest, CopiesAccumulateAndCtrlStartsAfresh) {
    clipboardPrefix = 1;  // left on by an earlier copy
    fake::keysDown.insert(os::kVkControl);
    Highlight(5000);
    EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown));
    EXPECT_EQ(Clipboard(), "a");
    fake::keysDown.clear();
    Highlight(5003);
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "a\r\nd");
    Highlight(1051);  // a clip launcher copies the same way
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "a\r\nd\r\na\r\nb\r\nc\r\nd");
    fake::keysDown.insert(os::kVkControl);
    MenuKeyboardHookAction(0, os::kVkInsert, kPressed);
    EXPECT_EQ(Clipboard(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(clipboardPrefix, 1);
}

TEST_F(HookTest, LauncherEntryCopyByListMode) {
    const struct {
        const char* parameters;
        bool marks;
        const char* clipboard;
    } cases[] = {
        {"%M", false, "a\r\nb\r\nc\r\nd"},  // nothing marked: all lines, whatever the template
        {"", true, "b\r\nd"},
        {"%N %M", true, "memo.txt b d"},
        {"\"%M\"", true, "\"b\" \"d\""},
        {"<%T>", true, "<bd>"},
    };
    for (const auto& c : cases) {
        SetUp();
        SetLauncher(3, "x@CLIPy", c.parameters);
        if (c.marks) Mark({1, 3});
        Highlight(1053);
        EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown)) << c.parameters;
        EXPECT_EQ(Clipboard(), c.clipboard) << c.parameters;
        EXPECT_EQ(fake::beeps, 1) << c.parameters;
        EXPECT_TRUE(fake::launches.empty());
    }
}

TEST_F(HookTest, KeywordTogglesKeepCountAndFilterInStep) {
    KeywordSets& sets = settings.keywordSets;
    sets.selected[4] = 2;  // requested by the command line, not yet counted
    const struct {
        int set, selected, selectedCount;
    } steps[] = {{4, 1, 1}, {7, 1, 2}, {4, 0, 1}, {7, 0, 0}, {4, 1, 1}};
    for (const auto& s : steps) {
        Highlight(6010 + s.set);
        ASSERT_TRUE(MenuKeyboardHookAction(0, os::kVkSpace, kPressed));
        EXPECT_EQ(sets.selected[s.set], s.selected);
        EXPECT_EQ(sets.selectedCount, s.selectedCount);
        EXPECT_EQ(sets.filterActive, s.selectedCount > 0 ? 1 : 0);
    }
}

TEST_F(HookTest, MarkOperationsIgnoreItemsOutsideTheTable) {
    ToggleItemMark(4);
    ToggleItemMark(-1);
    SetItemMark(1000, 1);
    ToggleKeywordSet(10);
    ToggleKeywordSet(-1);
    EXPECT_EQ(menuItems.markedCount, 0);
    EXPECT_EQ(menuItems.items[4].marked, 0);
    EXPECT_EQ(settings.keywordSets.selectedCount, 0);
}

}  // namespace
}  // namespace qv
