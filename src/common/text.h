// Text rules of the program: bytes in code page 932 (Shift-JIS).
// Case-insensitive means ASCII letters only; the second byte of a double-byte
// character is never a separator, a match start or a cut point.
#pragma once
#include <cstddef>
#include <string_view>
#ifdef _MSC_VER
#include <intrin.h>
#endif
// Sixteen bytes at a time where SSE2 is at hand (every x86-64, and the 32-bit
// build asks for it); a plain loop elsewhere.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define QV_SIMD 1
#include <emmintrin.h>
#endif

namespace qv {

inline bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
inline bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

inline unsigned char Lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

#ifdef QV_SIMD
// 0xFF in each byte of block that is lower, a letter in either case.
inline __m128i EqualI(__m128i block, unsigned char lower) {
    const __m128i fold = _mm_set1_epi8(lower >= 'a' && lower <= 'z' ? 0x20 : 0);
    return _mm_cmpeq_epi8(_mm_or_si128(block, fold), _mm_set1_epi8(char(lower)));
}
#endif

// The lowest bit set in bits, which is not 0.
inline int LowestBit(unsigned bits) {
#ifdef _MSC_VER
    unsigned long index;
    _BitScanForward(&index, bits);
    return int(index);
#else
    return __builtin_ctz(bits);
#endif
}

// The largest length <= limit that does not end inside a double-byte character.
size_t CharBoundary(std::string_view text, size_t limit);

// Position of the first occurrence of needle in text (ASCII letters compared
// without case), starting only at character boundaries; npos when absent.
// An empty needle is found at 0.
size_t FindI(std::string_view text, std::string_view needle);
inline bool ContainsI(std::string_view text, std::string_view needle) {
    return FindI(text, needle) != std::string_view::npos;
}

// True when the first n bytes of text equal those of prefix ignoring case
// (a shorter text never matches a longer prefix).
bool StartsWithI(std::string_view text, std::string_view prefix);

// Equal length and equal ignoring case.
bool EqualsI(std::string_view a, std::string_view b);

// The last character (read as cp932) is a backslash, not the trail byte of a
// double-byte one (表 is 0x95 0x5C).
bool EndsWithBackslash(std::string_view text);

// An optional sign, then decimal digits at the start; anything else reads 0.
int StrToInt(std::string_view text);

}  // namespace qv
