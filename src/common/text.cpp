#include "common/text.h"

#include <cstdint>
#include <cstring>

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

// Positions are visited only where a character starts, as the plain search
// would; eight bytes at a time are passed over when none of them is below
// 0x80 or can start a match.
size_t FindI(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    if (needle.empty()) return 0;
    constexpr uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
    const unsigned char first = Lower(needle[0]);
    const uint64_t fold = first >= 'a' && first <= 'z' ? 0x2020202020202020u : 0;  // both cases of a letter
    const uint64_t pattern = kOnes * first;
    const size_t end = text.size() - needle.size() + 1;  // a match starts before end
    for (size_t i = 0; i < end;) {
        if (end - i >= 8) {
            uint64_t eight;
            std::memcpy(&eight, text.data() + i, 8);
            if ((eight & kHighs) == 0) {  // ASCII only: every byte starts a character
                const uint64_t x = (eight | fold) ^ pattern;  // a zero byte where a match may start
                uint64_t hits = (x - kOnes) & ~x & kHighs;    // the lowest one is exact (little-endian)
                if (hits == 0) {
                    i += 8;
                    continue;
                }
                for (; (hits & 0x80) == 0; hits >>= 8) ++i;
            }
        }
        const unsigned char c = text[i];
        if (Lower(c) == first && SameI(text.substr(i), needle, needle.size())) return i;
        i += IsLeadByte(c) ? 2 : 1;
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
