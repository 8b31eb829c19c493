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

}  // namespace qv
