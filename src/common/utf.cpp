#include "common/utf.h"

#include <cstdint>
#include <cstring>

#include "common/text.h"

namespace qv {

namespace {

// The well-formed shapes: a lead byte, the length, and the range of the
// second byte, which excludes overlong forms, surrogates and values above U+10FFFF.
struct Utf8Shape {
    size_t length;
    unsigned char low, high;
};
bool ShapeOf(unsigned char lead, Utf8Shape* shape) {
    if (lead >= 0xC2 && lead <= 0xDF) *shape = {2, 0x80, 0xBF};
    else if (lead == 0xE0) *shape = {3, 0xA0, 0xBF};
    else if (lead == 0xED) *shape = {3, 0x80, 0x9F};
    else if (lead >= 0xE1 && lead <= 0xEF) *shape = {3, 0x80, 0xBF};
    else if (lead == 0xF0) *shape = {4, 0x90, 0xBF};
    else if (lead == 0xF4) *shape = {4, 0x80, 0x8F};
    else if (lead >= 0xF1 && lead <= 0xF3) *shape = {4, 0x80, 0xBF};
    else return false;
    return true;
}

char16_t Unit(std::string_view text, size_t at, bool bigEndian) {
    const auto first = static_cast<unsigned char>(text[at]), second = static_cast<unsigned char>(text[at + 1]);
    return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
}
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

CharRead ReadUtf8Char(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {CharRead::ok, 1, lead};
    Utf8Shape shape;
    if (!ShapeOf(lead, &shape)) return {CharRead::invalid, 1, 0};
    char32_t value = lead & (0x7F >> shape.length);
    for (size_t i = 1; i < shape.length; ++i) {
        if (i == text.size()) return {CharRead::cut, i, 0};
        const auto next = static_cast<unsigned char>(text[i]);
        const unsigned char low = i == 1 ? shape.low : 0x80, high = i == 1 ? shape.high : 0xBF;
        if (next < low || next > high) return {CharRead::invalid, i, 0};
        value = value << 6 | (next & 0x3F);
    }
    return {CharRead::ok, shape.length, value};
}

CharRead ReadUtf16Char(std::string_view text, bool bigEndian) {
    if (text.size() < 2) return {CharRead::cut, text.size(), 0};
    const char16_t unit = Unit(text, 0, bigEndian);
    if (IsLowSurrogate(unit)) return {CharRead::invalid, 2, 0};
    if (!IsHighSurrogate(unit)) return {CharRead::ok, 2, unit};
    // Cut after a high surrogate: if nothing follows, it is unpaired on its own.
    if (text.size() < 4) return {CharRead::cut, 2, 0};
    const char16_t next = Unit(text, 2, bigEndian);
    if (!IsLowSurrogate(next)) return {CharRead::invalid, 2, 0};
    return {CharRead::ok, 4, 0x10000 + (char32_t(unit - 0xD800) << 10) + (next - 0xDC00)};
}

size_t AsciiPrefixLength(std::string_view text) {
    // 16 bytes at a time: every code-page-932 file pays for this scan, and
    // every UTF-8 one for each run of ASCII.
    size_t i = 0;
#ifdef QV_SIMD
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        if (const unsigned high = unsigned(_mm_movemask_epi8(block))) return i + size_t(LowestBit(high));
    }
#else
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    for (; i + 16 <= text.size(); i += 16) {
        uint64_t a, b;
        std::memcpy(&a, text.data() + i, 8);
        std::memcpy(&b, text.data() + i + 8, 8);
        if ((a | b) & kHighBits) break;
    }
#endif
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
    return i;
}

}  // namespace qv
