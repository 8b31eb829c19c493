// The line scanner and how the chunked page reader reads; the fuzz target
// compares its pages with the whole-file reader.
#include "lines/page_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/text_file.h"
#include "fake_os.h"
#include "lines/menu_line.h"

namespace qv {
namespace {

const char kPath[] = "C:\\t\\page.txt";
std::string Xs(size_t n) { return std::string(n, 'x'); }

TEST(ReadMenuLine, CarriageReturnsGoTabsExpandAndLongLinesAreCutWholeCharactersFirst) {
    const struct { std::string line; int tabWidth; std::string shown, full; } cases[] = {
        {"\x95\r\x5C", 4, "\x95\x5C", "\x95\x5C"},  // a CR vanishes even inside a character
        {"\x95\tz", 1, "\x95 z", "\x95\tz"},        // a lead byte before a tab is a byte of its own
        {"a\tb", -3, "ab", "a\tb"},
        {Xs(1100), 4, Xs(1039), Xs(1039)},
        {Xs(1038) + "\x95\x5C" + "y", 4, Xs(1038), Xs(1038)},  // 表 does not fit, nor does y after it
        {Xs(1037) + "\x95\x5C" + "y", 4, Xs(1037) + "\x95\x5C", Xs(1037) + "\x95\x5C"},
        {Xs(1037) + "\t" + "y", 4, Xs(1037) + "  ", Xs(1037) + "\t"},  // a tab fills what room is left
        {std::string(1039, '\t') + "\tab", 0, "ab", std::string(1039, '\t')},
        {std::string(1038, '\t') + "\x95\x5C" "\ta", 0, "\x95\x5C" "a", std::string(1038, '\t')},
        {std::string(259, '\t') + "abc\tx", 4, std::string(1036, ' ') + "abc", std::string(259, '\t') + "abc"},
        {std::string(300, '\t'), 4, std::string(1039, ' '), std::string(260, '\t')},
    };
    for (auto& c : cases) {
        LineText shown, full;
        EXPECT_EQ(ReadMenuLine(c.line + "\nnext", 0, c.tabWidth, &shown, &full), c.line.size() + 1);
        EXPECT_EQ(shown.view(), c.shown) << c.line.size();
        EXPECT_EQ(full.view(), c.full) << c.line.size();
    }
    LineText shown, full;
    EXPECT_EQ(ReadMenuLine("ab\r\ncd", 4, 4, &shown, &full), 3u);  // 4 + 3 passes the 6 bytes: the page ends
    EXPECT_EQ(ReadMenuLine("a\n", 2, 4, &shown, &full), 1u);       // the empty line after a final line feed
}

class PageReader : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(PageReader, APageOfAHugeFileReadsOnlyTheLinesItExamines) {
    std::string content;
    content.reserve(6u << 20);
    while (content.size() < (6u << 20)) content += "a line of forty bytes, give or take...\n";
    fake::AddFile(kPath, content);
    ASSERT_EQ(ReadPage(kPath, ViewStyle()), PageRead::ok);
    EXPECT_EQ(fake::readCallCount, 1u);
    fake::readCallCount = 0;
    process::settings.keywordSets.words[1][0] = "never";
    process::settings.keywordSets.wordCount[1] = process::settings.keywordSets.selected[1] = process::settings.keywordSets.filterActive = 1;
    ASSERT_EQ(ReadPage(kPath, ViewStyle()), PageRead::ok);
    EXPECT_EQ(process::menuItems.linesScanned, kMaxLinesScanned);
    EXPECT_GE(fake::readCallCount, 3u);  // 400 kB in a few growing chunks, not 6 MB at once
    EXPECT_LE(fake::readCallCount, 5u);
}

TEST_F(PageReader, AVeryLongLineIsScannedInChunksOfBoundedSize) {
    fake::AddFile(kPath, Xs(8u << 20) + "\nsecond\nthird");
    ViewStyle style;
    style.pageSize = 2;
    ASSERT_EQ(ReadPage(kPath, style), PageRead::ok);
    EXPECT_EQ(process::menuItems.items[1].fullText.view(), "second");
    // 4 + 16 + 64 + 256 kB, then 1 MB at a time: about ten reads, never the whole file at once.
    EXPECT_GE(fake::readCallCount, 8u);
    EXPECT_LE(fake::readCallCount, 13u);
}

TEST_F(PageReader, NoMemoryForAChunkReadsAsAFailure) {
    fake::AddFile(kPath, "a\n");
    process::menuItems.itemCount = 3;
    EXPECT_EQ(ReadPage(kPath, ViewStyle(), {SIZE_MAX / 2, SIZE_MAX / 2}), PageRead::failed);
    EXPECT_EQ(process::menuItems.itemCount, 0);
}

}  // namespace
}  // namespace qv
