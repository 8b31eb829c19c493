#include "common/text.h"

#include <cstdint>
#include <cstring>

namespace qv {

namespace {
unsigned char Lower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

bool SameI(std::string_view a, std::string_view b, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}
}  // namespace

size_t CharBoundary(std::string_view text, size_t limit) {
    if (limit >= text.size()) return text.size();
    size_t i = 0;
    while (i < limit) {
        size_t step = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
        if (i + step > limit) break;
        i += step;
    }
    return i;
}

namespace {
// The next position from `from` holding c, or `end` when none does.
size_t NextByte(std::string_view text, size_t from, size_t end, char c) {
    if (from >= end) return end;
    const void* at = std::memchr(text.data() + from, c, end - from);
    return at ? static_cast<const char*>(at) - text.data() : end;
}

// Advances a character boundary up to at (or just past it, when at is a trail byte).
size_t WalkBoundary(std::string_view text, size_t boundary, size_t at) {
    while (boundary < at) {
        uint64_t eight;  // eight bytes below 0x80 hold no lead byte
        if (at - boundary >= 8 && (std::memcpy(&eight, text.data() + boundary, 8), (eight & 0x8080808080808080u) == 0)) {
            boundary += 8;
            continue;
        }
        boundary += IsLeadByte(text[boundary]) ? 2 : 1;
    }
    return boundary;
}
}  // namespace

// Candidates are found by their first byte (both cases of a letter); one only
// counts where a character starts.
size_t FindI(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    if (needle.empty()) return 0;
    const size_t end = text.size() - needle.size() + 1;  // candidates lie before end
    const char lower = char(Lower(needle[0]));
    const char upper = lower >= 'a' && lower <= 'z' ? char(lower - 32) : lower;
    size_t nextLower = NextByte(text, 0, end, lower);
    size_t nextUpper = upper == lower ? end : NextByte(text, 0, end, upper);
    size_t boundary = 0;
    for (;;) {
        const size_t candidate = nextLower < nextUpper ? nextLower : nextUpper;
        if (candidate >= end) return std::string_view::npos;
        boundary = WalkBoundary(text, boundary, candidate);
        if (boundary == candidate && SameI(text.substr(candidate), needle, needle.size())) return candidate;
        if (nextLower == candidate) nextLower = NextByte(text, candidate + 1, end, lower);
        if (nextUpper == candidate) nextUpper = NextByte(text, candidate + 1, end, upper);
    }
}

bool StartsWithI(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameI(text, prefix, prefix.size());
}

bool EqualsI(std::string_view a, std::string_view b) {
    return a.size() == b.size() && SameI(a, b, a.size());
}

int StrToInt(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    unsigned value = 0;  // 32-bit arithmetic: an overlong number wraps, it never traps
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10u + unsigned(text[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

}  // namespace qv
