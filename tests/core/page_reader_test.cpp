#include "lines/page_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/file_block.h"
#include "fake_os.h"
#include "lines/filters.h"
#include "lines/menu_line.h"

namespace qv {
namespace {

const char kPath[] = "C:\\t\\page.txt";

struct Row {
    int lineNumber;
    std::string text, fullText;
    bool operator==(const Row& o) const {
        return lineNumber == o.lineNumber && text == o.text && fullText == o.fullText;
    }
};
struct Page {
    PageRead result;
    int linesScanned;
    std::vector<Row> rows;
    bool operator==(const Page& o) const {
        return result == o.result && linesScanned == o.linesScanned && rows == o.rows;
    }
};

// The reference: the whole file in one block, scanned line by line by offset.
Page ReadWhole(const ViewStyle& style) {
    FileBlock block;
    if (ReadWholeFile(kPath, os::OpenMode::existing, &block) != ReadResult::ok)
        return {PageRead::failed, 0, {}};
    if (block.length == 0) return {PageRead::empty, 0, {}};
    Page page{PageRead::ok, 0, {}};
    int limit = std::min(std::max(style.pageSize, 1), kMaxMenuItems);
    for (size_t offset = 0;;) {
        LineText shown, full;
        size_t consumed = ReadMenuLine(block.view(), offset, style.tabWidth, &shown, &full);
        if (page.linesScanned >= style.firstLine && LineMatchesFilter(full.view())) {
            FixedText<520> text;
            MakeItemText(shown.view(), style.itemWidth, &text);
            page.rows.push_back({page.linesScanned + 1, std::string(text.view()), std::string(full.view())});
        }
        ++page.linesScanned;
        if (page.linesScanned >= kMaxLinesScanned || int(page.rows.size()) >= limit) break;
        if (offset + consumed > block.length) break;
        offset += consumed;
    }
    return page;
}

Page ReadChunked(const ViewStyle& style) {
    activeStyle.tabWidth = style.tabWidth;
    Page page{ReadPage(kPath, style), menuItems.linesScanned, {}};
    for (int k = 0; k < menuItems.itemCount; ++k) {
        const MenuItem& item = menuItems.items[k];
        page.rows.push_back({item.lineNumber, std::string(item.text.view()), std::string(item.fullText.view())});
    }
    return page;
}

std::string RandomFile(std::mt19937& random) {
    static const char* pieces[] = {"a", "B", "&", "\t", "\r", "\n", "\r\n", "\n\n",
                                   "\x95\x5C", "\x81\x40", "\x95", "\x5C", " ", "a b"};
    std::string content;
    size_t length = random() % 2500;
    while (content.size() < length) {
        if (random() % 60 == 0) content += std::string(1000 + random() % 120, 'x');
        else content += pieces[random() % (sizeof pieces / sizeof *pieces)];
    }
    return content;
}

ViewStyle RandomStyle(std::mt19937& random) {
    static const int tabWidths[] = {0, 1, 4, 9}, itemWidths[] = {0, 3, 10, 80, 519, 1039};
    ViewStyle style;
    style.tabWidth = tabWidths[random() % 4];
    style.itemWidth = itemWidths[random() % 6];
    style.firstLine = int(random() % 6);
    style.pageSize = 1 + int(random() % 60);
    // Filtering off, or on with set 0 ("a" or "b") or set 1 ("b" and 表).
    KeywordSets& sets = settings.keywordSets;
    sets = KeywordSets();
    sets.words[0][0] = sets.words[1][0] = "b";
    sets.words[0][1] = "a";
    sets.words[1][1] = "\x95\x5C";
    sets.wordCount[0] = sets.wordCount[1] = 2;
    if (int choice = int(random() % 3)) sets.selected[choice - 1] = sets.selectedCount = sets.filterActive = 1;
    return style;
}

class PageReader : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { pageChunks = PageChunks(); }
};

TEST_F(PageReader, ChunkedPagesEqualPagesReadWhole) {
    const PageChunks plans[] = {{1, 1}, {2, 2}, {3, 3}, {5, 40}, {4096, 1 << 20}};
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        std::string content = RandomFile(random);
        fake::AddFile(kPath, content);
        ViewStyle style = RandomStyle(random);
        Page whole = ReadWhole(style);
        for (const PageChunks& plan : plans) {
            pageChunks = plan;
            Page chunked = ReadChunked(style);
            ASSERT_TRUE(chunked == whole) << "round " << round << " chunk " << plan.first << " lines "
                                          << chunked.linesScanned << " vs " << whole.linesScanned;
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
    settings.keywordSets.words[1][0] = "never";
    settings.keywordSets.wordCount[1] = 1;
    settings.keywordSets.selected[1] = settings.keywordSets.selectedCount = settings.keywordSets.filterActive = 1;
    ASSERT_EQ(ReadPage(kPath, ViewStyle()), PageRead::ok);
    EXPECT_EQ(menuItems.linesScanned, kMaxLinesScanned);
    EXPECT_GE(fake::readCallCount, 3u);  // 400 kB in a few growing chunks, not 6 MB at once
    EXPECT_LE(fake::readCallCount, 5u);
}

TEST_F(PageReader, AVeryLongLineIsScannedInChunksOfBoundedSize) {
    std::string content(8u << 20, 'x');
    content += "\nsecond\nthird";
    fake::AddFile(kPath, content);
    pageChunks = {4096, 1 << 20};
    ViewStyle style;
    style.pageSize = 2;
    fake::readCallCount = 0;
    ASSERT_EQ(ReadPage(kPath, style), PageRead::ok);
    EXPECT_EQ(menuItems.items[1].fullText.view(), "second");
    EXPECT_EQ(menuItems.items[0].fullText.size(), kLineBytes);
    // 4 + 16 + 64 + 256 kB, then 1 MB at a time: about ten reads, never the whole file at once.
    EXPECT_GE(fake::readCallCount, 8u);
    EXPECT_LE(fake::readCallCount, 13u);
}

TEST_F(PageReader, NoMemoryForAChunkReadsAsAFailure) {
    fake::AddFile(kPath, "a\n");
    pageChunks = {SIZE_MAX / 2, SIZE_MAX / 2};
    menuItems.itemCount = 3;
    EXPECT_EQ(ReadPage(kPath, ViewStyle()), PageRead::failed);
    EXPECT_EQ(menuItems.itemCount, 0);
}

}  // namespace
}  // namespace qv
