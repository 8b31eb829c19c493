// SplitLine and the page reader on any data, lines of thousands of bytes
// among them: a page read in chunks of any size equals the page read from the
// whole file, a line handed to the scanner in pieces of any size equals the line
// read whole, and no line overruns its limit or holds a NUL.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "fuzz_machine.h"
#include "lines/filters.h"
#include "lines/menu_line.h"
#include "lines/page_reader.h"
#include "common/split_line.h"

namespace {

const char kPath[] = "C:\\d\\page.txt";

struct Row {
    int lineNumber;
    std::string text, fullText;
    bool operator==(const Row& o) const {
        return lineNumber == o.lineNumber && text == o.text && fullText == o.fullText;
    }
};
struct Page {
    qv::PageRead result;
    int linesScanned;
    std::vector<Row> rows;
    bool operator==(const Page& o) const {
        return result == o.result && linesScanned == o.linesScanned && rows == o.rows;
    }
};

Page ReadWhole(const qv::ViewStyle& style) {
    bool anyText = false;
    const std::string text = fuzz::WholeText(kPath, &anyText);
    const std::string_view data = text;
    if (!anyText) return {qv::PageRead::empty, 0, {}};
    Page page{qv::PageRead::ok, 0, {}};
    const int limit = std::min(std::max(style.pageSize, 1), qv::kMaxMenuItems);
    for (size_t offset = 0;;) {
        qv::LineText shown, full;
        const size_t consumed = qv::ReadMenuLine(data, offset, style.tabWidth, &shown, &full);
        FUZZ_CHECK(consumed >= 1);
        if (page.linesScanned >= style.firstLine && qv::LineMatchesFilter(full.view())) {
            qv::FixedText<520> text;
            qv::MakeItemText(shown.view(), style.itemWidth, &text);
            page.rows.push_back({page.linesScanned + 1, std::string(text.view()), std::string(full.view())});
        }
        ++page.linesScanned;
        if (page.linesScanned >= qv::kMaxLinesScanned || int(page.rows.size()) >= limit) break;
        if (offset + consumed > data.size()) break;
        offset += consumed;
    }
    return page;
}

Page ReadChunked(const qv::ViewStyle& style, const qv::ReadChunks& chunks) {
    qv::process::activeStyle.tabWidth = style.tabWidth;
    Page page{qv::ReadPage(kPath, style, chunks), 0, {}};
    page.linesScanned = qv::process::menuItems.linesScanned;
    FUZZ_CHECK(qv::process::menuItems.itemCount >= 0 && qv::process::menuItems.itemCount <= qv::kMaxMenuItems);
    FUZZ_CHECK(qv::process::menuItems.markedCount == 0);
    for (int k = 0; k < qv::process::menuItems.itemCount; ++k) {
        const qv::MenuItem& item = qv::process::menuItems.items[k];
        fuzz::CheckText(item.text);
        fuzz::CheckText(item.fullText);
        page.rows.push_back({item.lineNumber, std::string(item.text.view()), std::string(item.fullText.view())});
    }
    return page;
}

// The first line of data fed to the scanner in the given piece sizes.
void CheckPiecewiseLine(std::string_view data, int tabWidth, FuzzedDataProvider* input) {
    qv::LineText wholeShown, wholeFull;
    qv::ReadMenuLine(data, 0, tabWidth, &wholeShown, &wholeFull);
    qv::LineScanner scanner;
    qv::StartLine(&scanner, tabWidth);
    size_t position = 0;
    bool ended = false;
    while (!ended && position < data.size()) {
        const size_t piece = input->ConsumeIntegralInRange<size_t>(1, 64);
        const std::string_view bytes = data.substr(position, piece);
        const size_t taken = qv::ScanLine(&scanner, bytes, &ended);
        FUZZ_CHECK(taken >= 1 && taken <= bytes.size());
        FUZZ_CHECK(ended || taken == bytes.size());
        position += taken;
    }
    qv::LineText shown, full;
    qv::FinishLine(&scanner, &shown, &full);
    FUZZ_CHECK(shown.view() == wholeShown.view());
    FUZZ_CHECK(full.view() == wholeFull.view());
}

void CheckSplitLine(std::string_view data, bool longLines) {
    const size_t limit = longLines ? qv::kLongLineLimit : qv::kShortLineLimit;
    qv::LineCutter cutter(limit);
    std::string_view line;
    for (size_t start = 0; start <= data.size();) {
        const size_t consumed = qv::SplitLine(data, start, &cutter, &line);
        FUZZ_CHECK(consumed >= 1);
        FUZZ_CHECK(line.size() <= limit);
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\t\0", 4)) == std::string_view::npos);
        start += consumed;
    }
}

}  // namespace

FUZZ_MACHINE(input) {
    qv::ViewStyle style;
    style.tabWidth = input.ConsumeIntegralInRange(-2, 40);
    style.itemWidth = input.ConsumeIntegralInRange(-2, 1100);
    style.firstLine = input.ConsumeIntegralInRange(-2, 50);
    style.pageSize = input.ConsumeIntegralInRange(-2, 1100);
    fuzz::ConsumeKeywordSets(input);
    qv::ReadChunks chunks;
    chunks.first = input.ConsumeIntegralInRange<size_t>(0, 300);
    chunks.largest = input.ConsumeIntegralInRange<size_t>(0, 5000);
    const uint64_t pieceSeed = input.ConsumeIntegral<uint64_t>();
    const std::string content = fuzz::ConsumeCodeAndMark(input) + fuzz::ConsumeText(input, 1 << 14);
    fake::AddFile(kPath, content);

    const Page whole = ReadWhole(style);
    FUZZ_CHECK(ReadChunked(style, chunks) == whole);
    FUZZ_CHECK(ReadChunked(style, qv::defaults::kReadChunks) == whole);

    CheckSplitLine(content, false);
    CheckSplitLine(content, true);
    const uint8_t* seed = reinterpret_cast<const uint8_t*>(&pieceSeed);
    FuzzedDataProvider pieces(seed, sizeof pieceSeed);
    CheckPiecewiseLine(content, style.tabWidth, &pieces);
}
