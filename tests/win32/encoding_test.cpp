// The real conversion to code page 932 behind the seam, and the core's UTF-8
// reading against Windows' own (MultiByteToWideChar).
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "../encoding_cases.h"
#include "common/utf.h"
#include "os/os.h"

namespace {

std::string ToCp932(std::u16string_view text, size_t room) {
    std::string out(room, '\0');
    size_t written = 0;
    if (!os::WideToCp932(text, out.data(), out.size(), &written)) return "(failed)";
    return out.substr(0, written);
}

TEST(EncodingSeam, ConvertsWithoutLookAlikes) {
    ASSERT_EQ(GetACP(), 932u) << "the tests need the Japanese ANSI code page";
    std::u16string back;
    for (auto& form : cases::kCp932Forms) {
        EXPECT_EQ(ToCp932(std::u16string(1, form.unit), 2), form.bytes) << "U+" << std::hex << int(form.unit);
        // The way back, which keywords take to be looked for in UTF-8.
        if (form.bytes == "?") continue;
        EXPECT_TRUE(os::Cp932ToWide(form.bytes, &back) && back == std::u16string(1, form.unit));
    }
    const std::u16string all = cases::AllBmpCharacters();
    EXPECT_EQ(cases::Fnv1a(ToCp932(all, 2 * all.size())), cases::kBmpCp932Hash);
    EXPECT_EQ(ToCp932(u"\u8A2D", 1), "(failed)");  // 設 needs 2 bytes
    EXPECT_EQ(ToCp932(u"", 0), "");
    // Longer than one call of the system's conversion (2^20 units).
    const std::u16string longText = std::u16string((1 << 20) - 1, u'a') + u"\u8A2Db";
    EXPECT_EQ(ToCp932(longText, 2 * longText.size()), std::string((1 << 20) - 1, 'a') + "\x90\xDD" "b");
}

// The core's reading of UTF-8, as UTF-16 (U+FFFD for what is invalid or cut).
std::u16string CoreUtf16(std::string_view bytes) {
    std::u16string text;
    while (!bytes.empty()) {
        const qv::CharRead read = qv::ReadUtf8Char(bytes);
        const char32_t c = read.status == qv::CharRead::ok ? read.value : 0xFFFD;
        if (c > 0xFFFF)
            text += {char16_t(0xD800 + ((c - 0x10000) >> 10)), char16_t(0xDC00 + (c & 0x3FF))};
        else
            text += char16_t(c);
        bytes.remove_prefix(read.length);
    }
    return text;
}
std::u16string WindowsUtf16(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    if (bytes.empty()) return text;
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t*>(text.data()),
                                      int(text.size()));
    text.resize(n > 0 ? n : 0);
    return text;
}

TEST(EncodingSeam, Utf8ReadAsWindowsReadsIt) {
    std::mt19937 random(932);
    // Valid: random UTF-16 text (no lone surrogates), made UTF-8 by Windows.
    const char32_t kRanges[][2] = {{0x20, 0x7F}, {0x80, 0x7FF}, {0x800, 0xD7FF}, {0xE000, 0xFFFF}, {0x10000, 0x10FFFF}};
    for (int round = 0; round < 20000; ++round) {
        std::u16string text;
        for (int n = random() % 12; n > 0; --n) {
            const auto& range = kRanges[random() % 5];
            const char32_t c = range[0] + random() % (range[1] - range[0] + 1);
            if (c > 0xFFFF)
                text += {char16_t(0xD800 + ((c - 0x10000) >> 10)), char16_t(0xDC00 + (c & 0x3FF))};
            else
                text += char16_t(c);
        }
        std::string bytes(4 * text.size(), '\0');
        bytes.resize(WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t*>(text.data()), int(text.size()),
                                         bytes.data(), int(bytes.size()), nullptr, nullptr));
        ASSERT_EQ(CoreUtf16(bytes), text) << testing::PrintToString(bytes);
    }
    // Invalid: both replace something. How much differs: Wine makes fewer
    // replacements than maximal subparts and may drop the ASCII byte after a
    // lead byte ("\xF1" "a" gives one U+FFFD).
    const std::string documented = "a\xF1\x80\x80\xE1\x80\xC2" "b\x80" "c\x80\xBF" "d";  // Unicode's own example
    EXPECT_EQ(CoreUtf16(documented), WindowsUtf16(documented));
    const unsigned char kBytes[] = {'a', 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0,
                                    0xE1, 0xED, 0xEF, 0xF0, 0xF1, 0xF4, 0xF5, 0xFF};
    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        for (int n = 1 + random() % 8; n > 0; --n) bytes += char(kBytes[random() % sizeof kBytes]);
        const std::u16string core = CoreUtf16(bytes), windows = WindowsUtf16(bytes);
        ASSERT_EQ(core.find(u'\uFFFD') != core.npos, windows.find(u'\uFFFD') != windows.npos)
            << testing::PrintToString(bytes);
    }
}

}  // namespace
