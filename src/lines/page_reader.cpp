#include "lines/page_reader.h"

#include "common/text_file.h"
#include "lines/filters.h"
#include "lines/menu_line.h"

namespace qv {

namespace {

// The text of the open file and the piece of it being scanned.
struct PageFile {
    PageFile(os::File opened, const ReadChunks& chunks)
        : file(opened), text(opened, process::settings.codeMode, chunks.first, chunks.largest) {}
    ~PageFile() { os::CloseFile(file); }
    os::File file;
    TextStream text;
    std::string_view piece;
    bool linesEnded = false;
};

enum class LineRead { line, end, failed };

// Lines end at line feeds; text ending in a line feed has one more, empty line.
LineRead NextLine(PageFile* f, int tabWidth, LineText* shown, LineText* full) {
    if (f->linesEnded) return LineRead::end;
    LineScanner scanner;
    StartLine(&scanner, tabWidth);
    for (;;) {
        if (f->piece.empty() && !f->text.Next(&f->piece)) {
            if (f->text.failed()) return LineRead::failed;
            f->linesEnded = true;
            if (!f->text.anyText()) return LineRead::end;
            break;
        }
        bool ended = false;
        f->piece.remove_prefix(ScanLine(&scanner, f->piece, &ended));
        if (ended) break;
    }
    FinishLine(&scanner, shown, full);
    return LineRead::line;
}

void ClearTable() {
    process::menuItems.itemCount = process::menuItems.markedCount = process::menuItems.linesScanned = 0;
}

void ListLine(std::string_view shown, int itemWidth) {
    MenuItem& item = process::menuItems.items[process::menuItems.itemCount];
    MakeItemText(shown, itemWidth, &item.text);
    item.marked = 0;
    item.lineNumber = process::menuItems.linesScanned + 1;
    ++process::menuItems.itemCount;
}

int PageLimit(const ViewStyle& style) {
    if (style.pageSize < 1) return 1;
    return style.pageSize < kMaxMenuItems ? style.pageSize : kMaxMenuItems;
}

}  // namespace

void MakeItemText(std::string_view shown, int itemWidth, FixedText<520>* text) {
    size_t width = itemWidth > 0 ? size_t(itemWidth) : 0;
    text->assign(shown.substr(0, CharBoundary(shown, width)));
    for (char* c = text->data; *c; ++c)
        if (*c == '&') *c = '?';
}

PageRead ReadPage(const char* path, const ViewStyle& style, const ReadChunks& chunks) {
    ClearTable();
    os::File opened = os::OpenFileRead(path, os::OpenMode::existing);
    if (!opened) return PageRead::failed;
    PageFile file(opened, chunks);
    const int limit = PageLimit(style);
    for (;;) {
        LineText shown;
        LineText& full = process::menuItems.items[process::menuItems.itemCount].fullText;
        LineRead read = NextLine(&file, style.tabWidth, &shown, &full);
        if (read == LineRead::failed) {
            ClearTable();
            return PageRead::failed;
        }
        if (read == LineRead::end) break;
        if (process::menuItems.linesScanned >= style.firstLine && LineMatchesFilter(full.view()))
            ListLine(shown.view(), style.itemWidth);
        ++process::menuItems.linesScanned;
        if (process::menuItems.linesScanned >= kMaxLinesScanned || process::menuItems.itemCount >= limit) break;
    }
    return file.text.anyText() ? PageRead::ok : PageRead::empty;
}

}  // namespace qv
