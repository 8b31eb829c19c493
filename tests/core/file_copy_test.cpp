#include "menu/file_copy.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"

namespace qv {
namespace {

constexpr const char* kFile = "C:\\notes\\memo.txt";

class FileCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        testing_items::SetCurrentFile(kFile);
    }
    // Set 1 needs all of its words; selecting it switches filtering on.
    void FilterOn(const char* word) {
        KeywordSets& sets = settings.keywordSets;
        sets.words[1][0] = word;
        sets.wordCount[1] = 1;
        sets.selected[1] = 1;
        sets.selectedCount = 1;
        sets.filterActive = 1;
    }
};

TEST_F(FileCopyTest, LinesOfTheWholeFile) {
    const struct {
        const char* content;
        const char* filterWord;  // null: filtering off
        int prefix;
        std::optional<std::string> before;
        int result;
        std::optional<std::string> after;
    } cases[] = {
        {"a\nb\n", nullptr, 0, std::string("x"), 1, std::string("a\r\nb\r\n")},
        {"a\nb", nullptr, 0, std::string("x"), 1, std::string("a\r\nb")},
        {"a\r\nb\r\n", nullptr, 0, std::nullopt, 1, std::string("a\r\nb\r\n")},
        {"one\nkey two\nthree\n", "KEY", 0, std::string("x"), 1, std::string("key two")},
        {"key1\nno\nkey2", "key", 0, std::string("x"), 1, std::string("key1\r\nkey2")},
        {"a", nullptr, 1, std::string("x"), 1, std::string("x\r\na")},
        {"a\n", "zzz", 1, std::string("x"), 1, std::string("x")},          // only the kept text
        {"a", nullptr, 1, std::string(""), 0, std::string("")},            // prefix on, empty text
        {"a", nullptr, 1, std::nullopt, 0, std::nullopt},                  // prefix on, no text
        {"\t\ta\tb\t\n", nullptr, 0, std::string("x"), 1, std::string("ab\r\n")},  // tabs dropped
        {"", nullptr, 0, std::string("x"), 1, std::string("")},            // one empty line
        // Nothing collected: the clipboard keeps what the user had.
        {"a\nb\n", "zzz", 0, std::string("x"), 0, std::string("x")},
        {"", "zzz", 0, std::string("x"), 0, std::string("x")},
    };
    for (const auto& c : cases) {
        fake::Reset();
        testing_items::SetCurrentFile(kFile);
        fake::AddFile(kFile, c.content);
        if (c.filterWord) FilterOn(c.filterWord);
        clipboardPrefix = c.prefix;
        fake::clipboard = c.before;
        EXPECT_EQ(CopyFilteredFileToClipboard(1), c.result) << c.content;
        EXPECT_EQ(fake::clipboard, c.after) << c.content;
        EXPECT_EQ(fake::beeps, c.result) << c.content;
    }
}

TEST_F(FileCopyTest, LongLinesKeep2077Characters) {
    const std::string line(3000, 'L');
    fake::AddFile(kFile, "s\n" + line + "\nt");
    EXPECT_EQ(CopyFilteredFileToClipboard(0), 1);
    EXPECT_EQ(*fake::clipboard, "s\r\n" + std::string(2077, 'L') + "\r\nt");
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(FileCopyTest, LinesBeyondThePageAreIncluded) {
    std::string content;
    for (int i = 0; i < 120; ++i) content += "line " + std::to_string(i) + "\n";
    fake::AddFile(kFile, content);
    testing_items::SetLines({"line 40", "line 41"});  // a page that shows two of them
    EXPECT_EQ(CopyFilteredFileToClipboard(0), 1);
    EXPECT_EQ(fake::clipboard->substr(0, 16), "line 0\r\nline 1\r\n");
    const std::string& copied = *fake::clipboard;
    EXPECT_EQ(copied.substr(copied.size() - 10), "line 119\r\n");
    EXPECT_EQ(copied.size(), content.size() + 120);
}

TEST_F(FileCopyTest, AFileThatCannotBeReadLeavesTheClipboard) {
    fake::clipboard = "x";
    EXPECT_EQ(CopyFilteredFileToClipboard(1), 0);  // no such file
    fake::AddFile(kFile, "a\n");
    fake::LockPath(kFile);
    EXPECT_EQ(CopyFilteredFileToClipboard(1), 0);
    fake::lockedPaths.clear();
    fake::MakeUnreadable(kFile);
    EXPECT_EQ(CopyFilteredFileToClipboard(1), 0);
    EXPECT_EQ(fake::clipboard, std::optional<std::string>("x"));
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(FileCopyTest, ManyShortLinesCopyInLinearTime) {
    // Some 4 MB in 800 000 lines: growing the result line by line would not finish.
    std::string content;
    content.reserve(4u << 20);
    for (int i = 0; i < 800000; ++i) content += "ab\n";
    fake::AddFile(kFile, content);
    EXPECT_EQ(CopyFilteredFileToClipboard(0), 1);
    EXPECT_EQ(fake::clipboard->size(), 800000u * 4u);
    EXPECT_EQ(fake::clipboard->substr(0, 8), "ab\r\nab\r\n");
}

}  // namespace
}  // namespace qv
