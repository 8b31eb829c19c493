#include "settings/split_line.h"

#include "common/text.h"

namespace qv {

size_t SplitLine(std::string_view data, size_t start, bool longLines, std::string* line) {
    const size_t limit = longLines ? kLongLineLimit : kShortLineLimit;
    line->clear();
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
