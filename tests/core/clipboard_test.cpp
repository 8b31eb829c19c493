// The clipboard writers, and the copy of a whole (filtered) file.
#include "output/clipboard.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"
#include "menu/file_copy.h"

namespace qv {
namespace {

using Text = std::optional<std::string>;

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(ClipboardTest, BeepOnlyForOneAndABusyClipboardStaysAsItWas) {
    for (int beep : {1, 0, 2}) {
        fake::beeps = 0;
        EXPECT_EQ(SetClipboardText("abc", beep), 1);
        EXPECT_EQ(fake::beeps, beep == 1 ? 1 : 0) << beep;
    }
    EXPECT_EQ(fake::clipboard, Text("abc"));
    fake::clipboardBusy = true;
    clipboardPrefix = 1;
    testing_items::SetLines({"a"});
    EXPECT_EQ(AppendClipboardText("new", 1), 0);
    EXPECT_EQ(CopyItemsToClipboard(allItems, 1), 0);
    EXPECT_EQ(fake::clipboard, Text("abc"));
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(ClipboardTest, AppendFollowsThePrefix) {
    const struct {
        int prefix;
        Text before;
        int result;
        Text after;
    } cases[] = {
        {0, Text("one"), 1, Text("two")},
        {0, std::nullopt, 1, Text("two")},
        {1, Text("one"), 1, Text("one\r\ntwo")},
        {1, Text(""), 0, Text("")},          // empty text: nothing to append to
        {1, std::nullopt, 0, std::nullopt},  // no CF_TEXT (an image, say)
    };
    for (const auto& c : cases) {
        fake::clipboard = c.before;
        fake::beeps = 0;
        clipboardPrefix = c.prefix;
        EXPECT_EQ(AppendClipboardText("two", 1), c.result);
        EXPECT_EQ(fake::clipboard, c.after);
        EXPECT_EQ(fake::beeps, c.result);
    }
}

TEST_F(ClipboardTest, CopyItemsJoinsWholeLinesWithLineEnds) {
    const struct {
        int prefix;
        ItemSelection selection;
        bool markB;
        Text after;
    } cases[] = {
        {0, allItems, false, Text("a\tz\r\nb\r\n")},  // tabs and empty lines kept
        {0, markedItems, true, Text("b")},
        {0, markedItems, false, Text("")},
        {1, allItems, false, Text("x\r\na\tz\r\nb\r\n")},
        {1, markedItems, false, Text("x")},  // the same text again
    };
    for (const auto& c : cases) {
        fake::Reset();
        testing_items::SetLines({"a\tz", "b", ""});
        if (c.markB) testing_items::Mark({1});
        fake::clipboard = "x";
        clipboardPrefix = c.prefix;
        EXPECT_EQ(CopyItemsToClipboard(c.selection, 1), 1);
        EXPECT_EQ(fake::clipboard, c.after);
        EXPECT_EQ(fake::beeps, 1);
    }
}

TEST_F(ClipboardTest, AFullTableOfLongLinesIsCopiedWhole) {
    for (int k = 0; k < kMaxMenuItems; ++k) menuItems.items[k].fullText = std::string(1039, char('a' + k % 26));
    menuItems.itemCount = kMaxMenuItems;
    EXPECT_EQ(CopyItemsToClipboard(allItems, 0), 1);
    EXPECT_EQ(fake::clipboard->size(), 1000u * 1041u - 2u);
    EXPECT_EQ(fake::clipboard->substr(1039, 3), "\r\nb");
}

TEST_F(ClipboardTest, WholeFileCopyTakesEveryLineThatPassesTheFilter) {
    constexpr const char* kFile = "C:\\notes\\memo.txt";
    const struct { std::string content; const char* filterWord; int prefix, result; Text after; } cases[] = {
        {"a\nb\n", nullptr, 0, 1, Text("a\r\nb\r\n")},
        {"\t\ta\tb\t\r\nc", nullptr, 0, 1, Text("ab\r\nc")},  // tabs dropped
        {"", nullptr, 0, 1, Text("")},                            // one empty line
        {"key1\nno\nKEY2", "key", 0, 1, Text("key1\r\nKEY2")},
        {"a\n", "zzz", 1, 1, Text("x")},  // only the kept text
        {"a\n", "zzz", 0, 0, Text("x")},  // nothing collected: the clipboard keeps what the user had
        {"s\n" + std::string(3000, 'L') + "\nt", nullptr, 0, 1, Text("s\r\n" + std::string(2077, 'L') + "\r\nt")},
    };
    for (const auto& c : cases) {
        fake::Reset();
        testing_items::SetCurrentFile(kFile);
        testing_items::SetLines({"a page that shows one line"});
        fake::AddFile(kFile, c.content);
        if (c.filterWord) {
            KeywordSets& sets = settings.keywordSets;
            sets.words[1][0] = c.filterWord;
            sets.wordCount[1] = sets.selected[1] = sets.selectedCount = sets.filterActive = 1;
        }
        clipboardPrefix = c.prefix;
        fake::clipboard = "x";
        EXPECT_EQ(CopyFilteredFileToClipboard(1), c.result) << c.content;
        EXPECT_EQ(fake::clipboard, c.after) << c.content;
        EXPECT_EQ(fake::beeps, c.result) << c.content;
    }
    fake::MakeUnreadable(kFile);
    fake::clipboard = "x";
    EXPECT_EQ(CopyFilteredFileToClipboard(1), 0);
    EXPECT_EQ(fake::clipboard, Text("x"));
}

TEST_F(ClipboardTest, ManyShortLinesCopyInLinearTime) {
    // 800 000 lines: growing the result line by line would not finish.
    testing_items::SetCurrentFile("C:\\big.txt");
    std::string content;
    content.reserve(3u << 20);
    for (int i = 0; i < 800000; ++i) content += "ab\n";
    fake::AddFile("C:\\big.txt", content);
    EXPECT_EQ(CopyFilteredFileToClipboard(0), 1);
    EXPECT_EQ(fake::clipboard->size(), 800000u * 4u);
}

}  // namespace
}  // namespace qv
