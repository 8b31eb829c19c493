// The clipboard writers, and the copy of a whole (filtered) file.
#include "output/clipboard.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

#include "common/split_line.h"
#include "common/state.h"
#include "common/text_file.h"
#include "fake_os.h"
#include "line_items.h"
#include "lines/filters.h"
#include "menu/file_copy.h"

namespace qv {
namespace {

using Text = std::optional<std::string>;
constexpr ClipboardStart kAfresh = ClipboardStart::afresh, kKept = ClipboardStart::afterKeptText;
ClipboardStart Start(int prefix) { return prefix ? kKept : kAfresh; }
constexpr const char* kFile = "C:\\notes\\memo.txt";

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        testing_items::SetCurrentFile(kFile);
        testing_items::SetLines({"a\tz", "b", ""});
        fake::clipboard = "x";
    }
};

TEST_F(ClipboardTest, BeepOnlyForOneAndABusyClipboardStaysAsItWas) {
    for (int beep : {1, 0, 2}) {
        fake::beeps = 0;
        EXPECT_EQ(SetClipboardText("abc", beep), 1);
        EXPECT_EQ(fake::beeps, beep == 1 ? 1 : 0) << beep;
    }
    fake::clipboardBusy = true;
    EXPECT_EQ(AppendClipboardText("new", 1, kKept) + CopyItemsToClipboard(allItems, 1, kKept), 0);
    EXPECT_EQ(fake::clipboard, Text("abc"));
    EXPECT_EQ(fake::beeps, 0);
}

// With the prefix on, the new text goes after the clipboard's text; without a text to follow, nothing changes.
TEST_F(ClipboardTest, WritersFollowThePrefix) {
    enum { append, copyAll, copyMarked };
    const struct { int writer, prefix; Text before; bool markB; int result; Text after; } cases[] = {
        {append, 0, Text("one"), false, 1, Text("two")},     {append, 0, std::nullopt, false, 1, Text("two")},
        {append, 1, Text("one"), false, 1, Text("one\r\ntwo")}, {append, 1, Text(""), false, 0, Text("")},
        {append, 1, std::nullopt, false, 0, std::nullopt},  // no CF_TEXT (an image, say)
        {copyAll, 0, Text("x"), false, 1, Text("a\tz\r\nb\r\n")},  // tabs and empty lines kept
        {copyAll, 1, Text("x"), false, 1, Text("x\r\na\tz\r\nb\r\n")},
        {copyMarked, 0, Text("x"), true, 1, Text("b")},      {copyMarked, 0, Text("x"), false, 1, Text("")},
        {copyMarked, 1, Text("x"), false, 1, Text("x")},     // the same text again
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.markB) testing_items::Mark({1});
        fake::clipboard = c.before;
        const ClipboardStart start = Start(c.prefix);
        const int result = c.writer == append    ? AppendClipboardText("two", 1, start)
                           : c.writer == copyAll ? CopyItemsToClipboard(allItems, 1, start)
                                                 : CopyItemsToClipboard(markedItems, 1, start);
        EXPECT_EQ(result, c.result) << c.writer << c.prefix;
        EXPECT_EQ(fake::clipboard, c.after) << c.writer << c.prefix;
        EXPECT_EQ(fake::beeps, c.result) << c.writer << c.prefix;
    }
}

TEST_F(ClipboardTest, WholeFileCopyTakesEveryLineThatPassesTheFilter) {
    const std::string kUtf8Lines = "\xE8\xA1\xA8x\n\xC3\xA9y\n\xEF\xBD\xB1z\n";
    const struct { std::string content; const char* filterWord; int prefix, result; Text after; } cases[] = {
        {"a\nb\n", nullptr, 0, 1, Text("a\r\nb\r\n")},
        {"\t\ta\tb\t\r\nc", nullptr, 0, 1, Text("ab\r\nc")},  // tabs dropped
        {"", nullptr, 0, 0, Text("x")},  // one empty line: an empty text would wipe what the user had
        {"key1\nno\nKEY2", "key", 0, 1, Text("key1\r\nKEY2")},
        // a word that dropping a TAB or a CR makes, past 16 bytes of nothing
        {std::string(20, ' ') + "k\tey\n" + std::string(20, ' ') + "ke\ry\n" + std::string(20, ' ') + "\n", "key", 0, 1,
         Text(std::string(20, ' ') + "key\r\n" + std::string(20, ' ') + "key")},
        {"kex" + std::string(20, ' ') + "\nkey\n", "key", 0, 1, Text("key")},  // a near miss opens a block
        {"a\nb", "", 0, 1, Text("a\r\nb")},  // an empty word is in every line
        {"a\n", "zzz", 1, 1, Text("x")},  // only the kept text
        {"a\n", "zzz", 0, 0, Text("x")},  // nothing collected: the clipboard keeps what the user had
        {"s\n" + std::string(3000, 'L') + "\nt", nullptr, 0, 1, Text("s\r\n" + std::string(2077, 'L') + "\r\nt")},
        // UTF-8 looked at before it is converted: 表x, éy (no cp932 form) and ｱz
        {kUtf8Lines, "\x95\x5C", 0, 1, Text("\x95\x5C" "x")},
        {kUtf8Lines, "?", 0, 1, Text("?y")},  // a "?" of the settings is any character without a form
        {kUtf8Lines, "\xB1", 0, 1, Text("\xB1" "z")},
    };
    for (const auto& c : cases) {
        SetUp();
        fake::AddFile(kFile, c.content);
        if (c.filterWord) {
            KeywordSets& sets = process::settings.keywordSets;
            sets.words[1][0] = c.filterWord;
            sets.wordCount[1] = sets.selected[1] = sets.selectedCount = sets.filterActive = 1;
        }
        EXPECT_EQ(CopyFilteredFileToClipboard(1, Start(c.prefix)), c.result) << c.content;
        EXPECT_EQ(fake::clipboard, c.after) << c.content;
        EXPECT_EQ(fake::beeps, c.result) << c.content;
    }
    SetUp();  // set 0 chosen while it holds no words: every line passes
    fake::AddFile(kFile, "a\nb");
    KeywordSets& sets = process::settings.keywordSets;
    sets.selected[0] = sets.selectedCount = sets.filterActive = 1;
    EXPECT_EQ(CopyFilteredFileToClipboard(1, kAfresh), 1);
    EXPECT_EQ(fake::clipboard, Text("a\r\nb"));
    fake::clipboard = "x";
    fake::MakeUnreadable(kFile);
    EXPECT_EQ(CopyFilteredFileToClipboard(1, kAfresh), 0);
    EXPECT_EQ(fake::clipboard, Text("x"));
}

// The old copy, of the whole text at once: the reference for the copy in chunks.
Text CopyOfTheWholeText(std::string text) {
    LineCutter cutter(kLongLineLimit);
    std::string result;
    std::string_view line;
    for (size_t offset = 0;;) {
        const size_t consumed = SplitLine(text, offset, &cutter, &line);
        if (LineMatchesFilter(line)) result += std::string(line) + "\r\n";
        if (offset + consumed > text.size()) break;
        offset += consumed;
    }
    if (result.size() <= 2) return Text("x");  // no line, or one empty line: the clipboard as it was
    return result.substr(0, result.size() - 2);
}

// Lines that straddle chunks, a CR LF or a word cut in two, lines longer than a chunk.
TEST_F(ClipboardTest, CopyInChunksEqualsTheCopyOfTheWholeText) {
    static const char* pieces[] = {"ab", "key", "KEY", "\r\n", "\n", "\r", "\t", "\0", "\x95\x5C", "\x95", "k", "ey"};
    const std::vector<std::vector<std::string>> filters = {{}, {"key"}, {"e", "k"}, {"\x95\x5C", "ke"}};
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        std::string content;
        for (size_t length = random() % 3000; content.size() < length;) {
            const std::string piece(pieces[random() % 12], 0, std::string::npos);
            content += random() % 80 == 0 ? std::string(2100 + random() % 50, 'k') : piece.empty() ? std::string(1, '\0') : piece;
        }
        SetUp();
        fake::AddFile(kFile, content);
        const auto& words = filters[random() % filters.size()];
        KeywordSets& sets = process::settings.keywordSets;
        const int set = int(random() % 2);  // set 0 takes any word, set 1 all
        for (size_t w = 0; w < words.size(); ++w) sets.words[set][w] = words[w];
        sets.wordCount[set] = int(words.size());
        sets.selected[set] = sets.selectedCount = sets.filterActive = words.empty() ? 0 : 1;
        const Text expected = CopyOfTheWholeText(content);
        CopyFilteredFileToClipboard(0, ClipboardStart::afresh, {defaults::kReadChunks.first, 1 + size_t(random() % 40)});
        ASSERT_EQ(fake::clipboard, expected) << "round " << round;
    }
}

TEST_F(ClipboardTest, LargeCopiesAreWholeAndTakeLinearTime) {
    std::string content;  // 800 000 lines: growing the result line by line would not finish
    content.reserve(3u << 20);
    for (int i = 0; i < 800000; ++i) content += "ab\n";
    fake::AddFile(kFile, content);
    EXPECT_EQ(CopyFilteredFileToClipboard(0, kAfresh), 1);
    EXPECT_EQ(fake::clipboard->size(), 800000u * 4u);
    for (int k = 0; k < kMaxMenuItems; ++k) process::menuItems.items[k].fullText = std::string(1039, char('a' + k % 26));
    process::menuItems.itemCount = kMaxMenuItems;
    EXPECT_EQ(CopyItemsToClipboard(allItems, 0, kAfresh), 1);
    EXPECT_EQ(fake::clipboard->size(), 1000u * 1041u - 2u);
    EXPECT_EQ(fake::clipboard->substr(1039, 3), "\r\nb");
}

}  // namespace
}  // namespace qv
