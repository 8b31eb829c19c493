#include "common/split_line.h"

#include <cstring>

#include "common/text.h"

namespace qv {

std::string_view LineCutter::Cut(std::string_view line) {
    std::string_view text = line;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.empty()) return text;  // memchr takes no null text
    if (text.size() <= limit_ && !std::memchr(text.data(), '\r', text.size()) &&
        !std::memchr(text.data(), '\t', text.size()) && !std::memchr(text.data(), '\0', text.size()))
        return text;
    Start();
    Feed(line);
    return Finish();
}

void LineCutter::Start() {
    text_.clear();
    ended_ = false;
}

void LineCutter::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (ended_) return;
        if (c == '\0') ended_ = true;
        // One byte beyond the limit tells whether the cut splits a character.
        else if (c != '\r' && c != '\t' && text_.size() <= limit_) text_.push_back(c);
    }
}

std::string_view LineCutter::Finish() {
    if (text_.size() > limit_) text_.resize(CharBoundary(text_, limit_));
    return text_;
}

size_t SplitLine(std::string_view data, size_t start, LineCutter* cutter, std::string_view* line) {
    const size_t feed = data.find('\n', start);
    const size_t end = feed == std::string_view::npos ? data.size() : feed;
    *line = cutter->Cut(data.substr(start, end - start));
    return end - start + 1;
}

}  // namespace qv
