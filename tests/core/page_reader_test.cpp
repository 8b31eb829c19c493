// The line scanner and the chunked page reader, checked against the whole-file reader.
#include "lines/page_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "fake_os.h"
#include "lines/filters.h"
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

struct Page {
    PageRead result;
    int linesScanned;
    std::vector<std::string> rows;  // line number, text and full text of each item
    bool operator==(const Page& o) const {
        return result == o.result && linesScanned == o.linesScanned && rows == o.rows;
    }
};

// The reference: the whole text in one piece (one chunk as large as the file),
// scanned line by line by offset.
Page ReadWhole(const ViewStyle& style) {
    os::File file = os::OpenFileRead(kPath, os::OpenMode::existing);
    const size_t size = fake::FileContent(kPath).size() + 1;
    TextStream stream(file, process::settings.codeMode, size, size);
    std::string block;
    for (std::string_view piece; stream.Next(&piece);) block.append(piece);
    os::CloseFile(file);
    if (stream.failed()) return {PageRead::failed, 0, {}};
    if (!stream.anyText()) return {PageRead::empty, 0, {}};
    Page page{PageRead::ok, 0, {}};
    const size_t limit = std::min(std::max(style.pageSize, 1), kMaxMenuItems);
    for (size_t offset = 0;;) {
        LineText shown, full;
        size_t consumed = ReadMenuLine(block, offset, style.tabWidth, &shown, &full);
        if (page.linesScanned >= style.firstLine && LineMatchesFilter(full.view())) {
            FixedText<520> text;
            MakeItemText(shown.view(), style.itemWidth, &text);
            page.rows.push_back(std::to_string(page.linesScanned + 1) + "|" + text.c_str() + "|" + full.c_str());
        }
        if (++page.linesScanned >= kMaxLinesScanned || page.rows.size() >= limit || offset + consumed > block.size())
            break;
        offset += consumed;
    }
    return page;
}

Page ReadChunked(const ViewStyle& style) {
    process::activeStyle.tabWidth = style.tabWidth;
    Page page{ReadPage(kPath, style), process::menuItems.linesScanned, {}};
    for (int k = 0; k < process::menuItems.itemCount; ++k) {
        const MenuItem& item = process::menuItems.items[k];
        page.rows.push_back(std::to_string(item.lineNumber) + "|" + item.text.c_str() + "|" + item.fullText.c_str());
    }
    return page;
}

class PageReader : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { readChunks = ReadChunks(); }
};

TEST_F(PageReader, ChunkedPagesEqualPagesReadWhole) {
    static const char* pieces[] = {"a", "B", "&", "\t", "\r", "\n", "\r\n", "\n\n", "\x95\x5C", "\x81\x40", "\x95", " ",
                                   "\xE8\xA1\xA8", "\xC3", "\0", "\n\0"};
    // Code-page-932 text, or a byte-order mark of UTF-8 or UTF-16 (LE, BE).
    static const char* marks[] = {"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    static const int tabWidths[] = {0, 1, 4, 9}, itemWidths[] = {0, 3, 10, 80, 519, 1039};
    const ReadChunks plans[] = {{1, 1}, {2, 2}, {3, 3}, {5, 40}, {4096, 1 << 20}};
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        std::string content = marks[random() % 5];
        for (size_t length = random() % 2500; content.size() < length;) {
            const char* piece = pieces[random() % 16];
            content += random() % 60 == 0 ? Xs(1000 + random() % 120) : std::string(piece, *piece ? std::strlen(piece) : 1);
        }
        fake::AddFile(kPath, content);
        ViewStyle style;
        style.tabWidth = tabWidths[random() % 4];
        style.itemWidth = itemWidths[random() % 6];
        style.firstLine = int(random() % 6);
        style.pageSize = 1 + int(random() % 60);
        // Filtering off, or on with set 0 ("a" or "b") or set 1 ("b" and 表).
        KeywordSets& sets = process::settings.keywordSets;
        sets = KeywordSets();
        sets.words[0][0] = sets.words[1][0] = "b";
        sets.words[0][1] = "a";
        sets.words[1][1] = "\x95\x5C";
        sets.wordCount[0] = sets.wordCount[1] = 2;
        if (int choice = int(random() % 3)) sets.selected[choice - 1] = sets.selectedCount = sets.filterActive = 1;
        const Page whole = ReadWhole(style);
        for (const ReadChunks& plan : plans) {
            readChunks = plan;
            ASSERT_TRUE(ReadChunked(style) == whole) << "round " << round << " chunk " << plan.first;
        }
    }
}

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
    readChunks = {SIZE_MAX / 2, SIZE_MAX / 2};
    process::menuItems.itemCount = 3;
    EXPECT_EQ(ReadPage(kPath, ViewStyle()), PageRead::failed);
    EXPECT_EQ(process::menuItems.itemCount, 0);
}

}  // namespace
}  // namespace qv
