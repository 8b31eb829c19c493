#include "common/split_line.h"

#include <cstring>

#include "common/text.h"

namespace qv {

size_t SplitLine(std::string_view data, size_t start, bool longLines, std::string* line) {
    const size_t limit = longLines ? kLongLineLimit : kShortLineLimit;
    line->clear();
    // Most lines fit and hold nothing to drop but the CR of a CR LF: take them whole.
    if (start < data.size()) {
        const char* begin = data.data() + start;
        const void* feed = std::memchr(begin, '\n', data.size() - start);
        const size_t length = feed ? static_cast<const char*>(feed) - begin : data.size() - start;
        const size_t kept = length > 0 && begin[length - 1] == '\r' ? length - 1 : length;
        if (kept <= limit && !std::memchr(begin, '\r', kept) && !std::memchr(begin, '\t', kept)) {
            line->assign(begin, kept);
            return length + 1;
        }
    }
    size_t position = start;
    for (; position < data.size(); ++position) {
        char c = data[position];
        if (c == '\n') break;
        if (c == '\r' || c == '\t') continue;
        // One byte beyond the limit tells whether the cut splits a character.
        if (line->size() <= limit) line->push_back(c);
    }
    if (line->size() > limit) line->resize(CharBoundary(*line, limit));
    if (position < data.size()) return position - start + 1;
    return data.size() - start + 1;
}

size_t CutLinesAtNul(char* text, size_t length) {
    if (length == 0) return 0;
    char* nul = static_cast<char*>(std::memchr(text, '\0', length));
    if (!nul) return length;
    char* out = nul;
    for (const char* in = nul; in < text + length;) {
        const void* feed = std::memchr(in, '\n', size_t(text + length - in));
        if (!feed) break;  // the last line had the NUL: the rest goes
        in = static_cast<const char*>(feed);
        // From the line end on, bytes are kept up to the next NUL.
        const char* next = static_cast<const char*>(std::memchr(in, '\0', size_t(text + length - in)));
        const char* end = next ? next : text + length;
        std::memmove(out, in, size_t(end - in));
        out += end - in;
        in = next ? next : end;
        if (!next) break;
    }
    return size_t(out - text);
}

}  // namespace qv
