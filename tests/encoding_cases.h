// What Windows' conversion to code page 932 gives (seen under Wine), for the fake's tests and the real one's.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace cases {

// Where glibc's table differs (no look-alikes, Windows' own single bytes, the forms Windows does have for those
// look-alikes); a character in both the NEC and the IBM rows; second bytes ASCII, kana, user-defined, none.
const struct { char16_t unit; std::string_view bytes; } kCp932Forms[] = {  // bytes: "?" where there is no form
    {0x00A2, "?"}, {0x00A3, "?"}, {0x00A5, "?"}, {0x00AC, "?"}, {0x2014, "?"}, {0x2016, "?"}, {0x203E, "?"},
    {0x2212, "?"}, {0x301C, "?"}, {0x0080, "\x80"}, {0xF8F0, "\xA0"}, {0xF8F1, "\xFD"}, {0xF8F2, "\xFE"},
    {0xF8F3, "\xFF"}, {0xFFE0, "\x81\x91"}, {0xFFE1, "\x81\x92"}, {0xFFE2, "\x81\xCA"}, {0x2015, "\x81\x5C"},
    {0x2225, "\x81\x61"}, {0xFF0D, "\x81\x7C"}, {0xFF5E, "\x81\x60"}, {0xFFE4, "\xFA\x55"}, {0x2252, "\x81\xE0"},
    {0x2235, "\x81\xE6"}, {0x2170, "\xFA\x40"}, {0x7E8A, "\xFA\x5C"}, {0x2460, "\x87\x40"}, {0x8A2D, "\x90\xDD"},
    {0x8868, "\x95\x5C"}, {0x30BD, "\x83\x5C"}, {0xFF71, "\xB1"}, {0x3042, "\x82\xA0"}, {0x9AD9, "\xFB\xFC"},
    {0xE000, "\xF0\x40"}, {0xE757, "\xF9\xFC"}, {0x00E9, "?"}, {0x00B7, "?"}, {0xFFFD, "?"}, {0x0000, {"\0", 1}},
    {0x005C, "\\"}, {0x007E, "~"},
};

inline std::u16string AllBmpCharacters() {  // but the surrogates, in order
    std::u16string text;
    for (char32_t c = 0; c <= 0xFFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF) text += static_cast<char16_t>(c);
    return text;
}
constexpr uint64_t kBmpCp932Hash = 0x0eab46aa6a60b0b0u;  // FNV-1a of their cp932 form, as Windows makes it
inline uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

}  // namespace cases
