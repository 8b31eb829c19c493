#include "lines/menu_line.h"

#include <cstring>

#include "common/text.h"

namespace qv {

namespace {
size_t RoomInShown(const LineScanner& s) { return kLineBytes - s.shownLength; }

// A character is kept whole or not at all; the first one that does not fit
// ends what both texts take of the line, so each stays a prefix of it.
void PutCharacter(LineScanner* s, const char* bytes, size_t length) {
    if (s->shownClosed) return;
    if (RoomInShown(*s) < length) {
        s->shownClosed = true;
        return;
    }
    std::memcpy(s->shown + s->shownLength, bytes, length);
    s->shownLength += length;
    if (s->fullClosed) return;
    if (kLineBytes - s->fullLength < length) {
        s->fullClosed = true;
        return;
    }
    std::memcpy(s->full + s->fullLength, bytes, length);
    s->fullLength += length;
}

// Every tab is the same number of blanks, whatever its column.
void PutTab(LineScanner* s) {
    if (s->shownClosed) return;
    if (RoomInShown(*s) == 0) {
        s->shownClosed = true;
        return;
    }
    size_t width = s->tabWidth > 0 ? size_t(s->tabWidth) : 0;
    size_t blanks = width < RoomInShown(*s) ? width : RoomInShown(*s);
    std::memset(s->shown + s->shownLength, ' ', blanks);
    s->shownLength += blanks;
    if (blanks < width) s->shownClosed = true;
    if (s->fullClosed) return;
    if (s->fullLength == kLineBytes) {
        s->fullClosed = true;
        return;
    }
    s->full[s->fullLength++] = '\t';
}

void FlushLead(LineScanner* s) {
    if (s->pendingLead < 0) return;
    char lead = char(s->pendingLead);
    s->pendingLead = -1;
    PutCharacter(s, &lead, 1);
}
}  // namespace

void StartLine(LineScanner* scanner, int tabWidth) {
    scanner->shownLength = scanner->fullLength = 0;
    scanner->shownClosed = scanner->fullClosed = false;
    scanner->pendingLead = -1;
    scanner->tabWidth = tabWidth;
}

size_t ScanLine(LineScanner* s, std::string_view bytes, bool* ended) {
    *ended = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (s->shownClosed) {  // only the line feed matters now
            const void* end = std::memchr(bytes.data() + i, '\n', bytes.size() - i);
            if (!end) return bytes.size();
            i = static_cast<const char*>(end) - bytes.data();
        }
        unsigned char c = bytes[i];
        if (c == '\n') {
            FlushLead(s);
            *ended = true;
            return i + 1;
        }
        if (c == '\0') {  // ends the line's text, as in every reader
            FlushLead(s);
            s->shownClosed = s->fullClosed = true;
            continue;
        }
        if (c == '\r') continue;  // dropped wherever it stands
        if (s->pendingLead >= 0) {
            if (IsTrailByte(c)) {
                char pair[2] = {char(s->pendingLead), char(c)};
                s->pendingLead = -1;
                PutCharacter(s, pair, 2);
                continue;
            }
            FlushLead(s);
        }
        if (c == '\t') PutTab(s);
        else if (IsLeadByte(c)) s->pendingLead = c;
        else PutCharacter(s, bytes.data() + i, 1);
    }
    return bytes.size();
}

void FinishLine(LineScanner* scanner, LineText* shown, LineText* full) {
    FlushLead(scanner);
    shown->assign(std::string_view(scanner->shown, scanner->shownLength));
    full->assign(std::string_view(scanner->full, scanner->fullLength));
}

}  // namespace qv
