#include "output/clipboard.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetLines;

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(ClipboardTest, SetReplacesAndBeepsOnlyForOne) {
    const struct {
        int beep, beeps;
    } cases[] = {{1, 1}, {0, 0}, {3, 0}, {2, 0}, {-1, 0}};
    for (auto c : cases) {
        fake::clipboard = "old";
        fake::beeps = 0;
        EXPECT_EQ(SetClipboardText("abc", c.beep), 1);
        EXPECT_EQ(fake::clipboard, std::optional<std::string>("abc"));
        EXPECT_EQ(fake::beeps, c.beeps) << "beep argument " << c.beep;
    }
}

TEST_F(ClipboardTest, BusyClipboardIsLeftAsItWasWithoutBeep) {
    fake::clipboard = "kept";
    fake::clipboardBusy = true;
    EXPECT_EQ(SetClipboardText("new", 1), 0);
    EXPECT_EQ(AppendClipboardText("new", 1), 0);
    SetLines({"a"});
    EXPECT_EQ(CopyItemsToClipboard(allItems, 1), 0);
    clipboardPrefix = 1;
    EXPECT_EQ(AppendClipboardText("new", 1), 0);
    EXPECT_EQ(CopyItemsToClipboard(allItems, 1), 0);
    EXPECT_EQ(fake::clipboard, std::optional<std::string>("kept"));
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(ClipboardTest, AppendFollowsThePrefix) {
    const struct {
        int prefix;
        std::optional<std::string> before;
        int result;
        std::optional<std::string> after;
        int beeps;
    } cases[] = {
        {0, std::string("one"), 1, std::string("two"), 1},
        {0, std::nullopt, 1, std::string("two"), 1},
        {1, std::string("one"), 1, std::string("one\r\ntwo"), 1},
        {1, std::string(""), 0, std::string(""), 0},  // empty text: nothing to append to
        {1, std::nullopt, 0, std::nullopt, 0},        // no CF_TEXT (an image, say)
    };
    for (const auto& c : cases) {
        fake::clipboard = c.before;
        fake::beeps = 0;
        clipboardPrefix = c.prefix;
        EXPECT_EQ(AppendClipboardText("two", 1), c.result);
        EXPECT_EQ(fake::clipboard, c.after);
        EXPECT_EQ(fake::beeps, c.beeps);
    }
}

TEST_F(ClipboardTest, CopyItemsJoinsWithLineEnds) {
    const struct {
        int prefix;
        std::optional<std::string> before;
        ItemSelection selection;
        bool markB;
        int result;
        std::optional<std::string> after;
    } cases[] = {
        {0, std::string("x"), allItems, false, 1, std::string("a\r\nb\r\nc")},
        {0, std::string("x"), markedItems, true, 1, std::string("b")},
        {0, std::string("x"), markedItems, false, 1, std::string("")},
        {1, std::string("x"), allItems, false, 1, std::string("x\r\na\r\nb\r\nc")},
        {1, std::string("x"), markedItems, true, 1, std::string("x\r\nb")},
        {1, std::string("x"), markedItems, false, 1, std::string("x")},  // the same text again
        {1, std::string(""), allItems, false, 0, std::string("")},
        {1, std::nullopt, allItems, false, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        fake::Reset();
        SetLines({"a", "b", "c"});
        if (c.markB) Mark({1});
        fake::clipboard = c.before;
        clipboardPrefix = c.prefix;
        EXPECT_EQ(CopyItemsToClipboard(c.selection, 1), c.result);
        EXPECT_EQ(fake::clipboard, c.after);
        EXPECT_EQ(fake::beeps, c.result);
    }
}

TEST_F(ClipboardTest, CopyingAnEmptyMenuSetsAnEmptyText) {
    SetLines({});
    fake::clipboard = "x";
    EXPECT_EQ(CopyItemsToClipboard(allItems, 1), 1);
    EXPECT_EQ(fake::clipboard, std::optional<std::string>(""));
    EXPECT_EQ(fake::beeps, 1);
}

TEST_F(ClipboardTest, WholeLinesAreCopiedWithTabsAndEmptyLines) {
    SetLines({"a\tb", "", std::string(1039, 'z')});
    EXPECT_EQ(CopyItemsToClipboard(allItems, 0), 1);
    EXPECT_EQ(*fake::clipboard, "a\tb\r\n\r\n" + std::string(1039, 'z'));
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(ClipboardTest, AFullTableOfLongLinesIsCopiedWhole) {
    for (int k = 0; k < kMaxMenuItems; ++k) menuItems.items[k].fullText = std::string(1039, char('a' + k % 26));
    menuItems.itemCount = kMaxMenuItems;
    EXPECT_EQ(CopyItemsToClipboard(allItems, 0), 1);
    EXPECT_EQ(fake::clipboard->size(), 1000u * 1041u - 2u);
    EXPECT_EQ(fake::clipboard->substr(1039, 3), "\r\nb");
}

}  // namespace
}  // namespace qv
