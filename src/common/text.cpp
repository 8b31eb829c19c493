#include "common/text.h"

namespace qv {

namespace {
unsigned char Lower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

// Reads a's characters: the second byte of a double-byte character is no
// letter, so it must match exactly ("\x82\x60" is not "\x82\x80" + 0x20).
bool SameI(std::string_view a, std::string_view b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
        if (IsLeadByte(a[i]) && i + 1 < n) {
            ++i;
            if (a[i] != b[i]) return false;
        }
    }
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

size_t FindI(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    const size_t last = text.size() - needle.size();
    for (size_t i = 0; i <= last;) {
        if (SameI(text.substr(i), needle, needle.size())) return i;
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    return std::string_view::npos;
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
