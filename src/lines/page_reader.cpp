#include "lines/page_reader.h"

#include <memory>
#include <new>

#include "lines/filters.h"
#include "lines/menu_line.h"

namespace qv {

PageChunks pageChunks;

namespace {

// The open file and the chunk being scanned.
struct ChunkedFile {
    os::File file = nullptr;
    std::unique_ptr<char[]> buffer;
    size_t capacity = 0;
    size_t position = 0;
    size_t length = 0;
    size_t nextChunk = 0;
    bool dataEnded = false;
    bool anyData = false;
    bool linesEnded = false;
    ~ChunkedFile() {
        if (file) os::CloseFile(file);
    }
};

// Called only when the chunk in hand is used up, so nothing needs keeping.
bool ReadChunk(ChunkedFile* f) {
    size_t largest = pageChunks.largest ? pageChunks.largest : 1;
    size_t want = f->nextChunk < largest ? f->nextChunk : largest;
    if (want == 0) want = 1;
    if (want > f->capacity) {
        f->buffer.reset(new (std::nothrow) char[want]);
        if (!f->buffer) return false;
        f->capacity = want;
    }
    size_t got = 0;
    if (!os::ReadFile(f->file, f->buffer.get(), want, &got)) return false;
    f->position = 0;
    f->length = got;
    f->dataEnded = got == 0;
    f->anyData = f->anyData || got > 0;
    f->nextChunk = want >= largest / 4 ? largest : want * 4;
    return true;
}

enum class LineRead { line, end, failed };

// Lines end at line feeds; data ending in a line feed has one more, empty line.
LineRead NextLine(ChunkedFile* f, int tabWidth, LineText* shown, LineText* full) {
    if (f->linesEnded) return LineRead::end;
    LineScanner scanner;
    StartLine(&scanner, tabWidth);
    for (;;) {
        if (f->position == f->length) {
            if (!f->dataEnded && !ReadChunk(f)) return LineRead::failed;
            if (f->dataEnded) {
                f->linesEnded = true;
                if (!f->anyData) return LineRead::end;
                break;
            }
        }
        bool ended = false;
        std::string_view rest(f->buffer.get() + f->position, f->length - f->position);
        f->position += ScanLine(&scanner, rest, &ended);
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

PageRead ReadPage(const char* path, const ViewStyle& style) {
    ClearTable();
    ChunkedFile file;
    file.nextChunk = pageChunks.first;
    file.file = os::OpenFileRead(path, os::OpenMode::existing);
    if (!file.file) return PageRead::failed;
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
    return file.anyData ? PageRead::ok : PageRead::empty;
}

}  // namespace qv
