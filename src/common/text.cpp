#include "common/text.h"

namespace qv {

namespace {
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

#ifdef QV_SIMD
namespace {
// Bit k set where byte k of the block is lower in either case.
unsigned EqualIMask(__m128i block, unsigned char lower) { return unsigned(_mm_movemask_epi8(EqualI(block, lower))); }
}  // namespace
#endif

// Positions are visited only where a character starts, as the plain search
// would. Where SSE2 is at hand, sixteen ASCII bytes (each a character) are
// passed over at once when none of them starts with the needle's first two bytes.
size_t FindI(std::string_view text, std::string_view needle) {
    if (needle.size() > text.size()) return std::string_view::npos;
    if (needle.empty()) return 0;
    const unsigned char first = Lower(needle[0]);
    const size_t end = text.size() - needle.size() + 1;  // a match starts before end
    for (size_t i = 0; i < end;) {
#ifdef QV_SIMD
        // The second byte is compared one load later, so it must lie in the text too.
        if (text.size() - i >= 17) {
            const char* at = text.data() + i;
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            if (_mm_movemask_epi8(block) == 0) {
                unsigned hits = EqualIMask(block, first);
                // After an ASCII first byte the second starts a character, so it folds too.
                if (needle.size() > 1)
                    hits &= EqualIMask(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1)), Lower(needle[1]));
                if (end - i < 16) hits &= (1u << (end - i)) - 1;
                if (hits == 0) {
                    i += 16;
                    continue;
                }
                i += size_t(LowestBit(hits));
            }
        }
#endif
        const unsigned char c = text[i];
        if (Lower(c) == first && SameI(text.substr(i), needle, needle.size())) return i;
        i += IsLeadByte(c) ? 2 : 1;
    }
    return std::string_view::npos;
}

// The lead-range bytes running up to the backslash pair up from a character
// start, so an even run leaves the backslash a character of its own.
bool EndsWithBackslash(std::string_view text) {
    if (text.empty() || text.back() != '\\') return false;
    size_t run = 0;
    for (size_t i = text.size() - 1; i > 0 && IsLeadByte(static_cast<unsigned char>(text[i - 1])); --i) ++run;
    return run % 2 == 0;
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
