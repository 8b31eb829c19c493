#include "settings/split_line.h"

#include "common/text.h"

namespace qv {

size_t SplitLine(std::string_view data, size_t start, bool longLines, std::string* line) {
    const size_t limit = longLines ? kLongLineLimit : kShortLineLimit;
    line->clear();
    bool cut = false;
    size_t position = start;
    for (; position < data.size(); ++position) {
        char c = data[position];
        if (c == '\n') break;
        if (c == '\r' || c == '\t') continue;
        if (line->size() < limit) line->push_back(c);
        else cut = true;
    }
    if (cut) line->resize(CharBoundary(*line, limit));  // never keep half a character
    if (position < data.size()) return position - start + 1;
    return data.size() - start + 1;
}

}  // namespace qv
