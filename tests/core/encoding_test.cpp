#include "common/encoding.h"
#include "common/text.h"
#include "common/text_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../encoding_cases.h"
#include "os/os.h"

namespace qv {
namespace {

using std::string_literals::operator""s;

std::string Repeat(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// Decodes bytes whole, given just the room DecodedRoom promises.
std::string DecodeWhole(TextCode code, std::string_view bytes) {
    TextDecoder decoder(code);
    std::vector<char> room(DecodedRoom(bytes.size()));
    size_t written = 0;
    EXPECT_TRUE(decoder.Decode(bytes, true, room.data(), room.size(), &written));
    return std::string(room.data(), written);
}

const std::string kCp932Memo = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x81\x83\x82";  // 日本語のメモ
const std::string kUtf8Settings = "\xE8\xA8\xAD\xE5\xAE\x9A";                        // 設定

TEST(Encoding, Detection) {
    const std::string ascii(1000, 'a');
    const struct {
        std::string block;
        CodeMode mode;
        TextCode code;
        size_t mark;
    } cases[] = {
        {"\xEF\xBB\xBF" "abc", CodeMode::automatic, TextCode::utf8, 3},
        {"\xFF\xFE" "a\0"s, CodeMode::automatic, TextCode::utf16le, 2},
        {"\xFE\xFF\0a"s, CodeMode::automatic, TextCode::utf16be, 2},
        {"\xEF\xBB\xBF", CodeMode::automatic, TextCode::utf8, 3},
        {"\xFF\xFE", CodeMode::utf8, TextCode::utf16le, 2},
        {"\xEF\xBB\xBF" + kUtf8Settings, CodeMode::cp932, TextCode::cp932, 0},
        {"", CodeMode::automatic, TextCode::cp932, 0},
        {"", CodeMode::utf8, TextCode::utf8, 0},
        {ascii, CodeMode::automatic, TextCode::cp932, 0},
        {kCp932Memo, CodeMode::automatic, TextCode::cp932, 0},
        {kCp932Memo, CodeMode::utf8, TextCode::utf8, 0},
        {"\xB1\xB2\xB3", CodeMode::automatic, TextCode::cp932, 0},      // ｱｲｳ
        {"\xC3\xDE\xB0\xC0", CodeMode::automatic, TextCode::cp932, 0},  // ﾃﾞｰﾀ: C3 leads in UTF-8
        {kCp932Memo + "\x93", CodeMode::automatic, TextCode::cp932, 0},  // and half of 日 at the end
        // Half-width katakana pairs that are valid UTF-8 (ﾏｽ, ﾄｳ ﾏｽ, 25°C) stay cp932;
        // any other sequence (×, a kanji) tells UTF-8.
        {"\xCF\xBD\r\n", CodeMode::automatic, TextCode::cp932, 0},
        {"\xC4\xB3 \xCF\xBD 0123", CodeMode::automatic, TextCode::cp932, 0},
        {"25\xC2\xB0" "C", CodeMode::automatic, TextCode::cp932, 0},
        {"\xC3\x97", CodeMode::automatic, TextCode::utf8, 0},
        {"\xCF\xBD" + kUtf8Settings, CodeMode::automatic, TextCode::utf8, 0},
        // A UTF-8 character cut by the block's end, the file's too, counts neither way.
        {kUtf8Settings + "\xE5\xAE", CodeMode::automatic, TextCode::utf8, 0},
        {ascii + "\xE5\xAE", CodeMode::automatic, TextCode::cp932, 0},
        // Invalid: overlong, surrogate, above U+10FFFF, bytes never used.
        {kUtf8Settings + "\xC0\xAF", CodeMode::automatic, TextCode::cp932, 0},
        {kUtf8Settings + "\xE0\x9F\xBF", CodeMode::automatic, TextCode::cp932, 0},
        {kUtf8Settings + "\xF0\x8F\xBF\xBF", CodeMode::automatic, TextCode::cp932, 0},
        {kUtf8Settings + "\xED\xA0\x80", CodeMode::automatic, TextCode::cp932, 0},
        {kUtf8Settings + "\xF4\x90\x80\x80", CodeMode::automatic, TextCode::cp932, 0},
        {kUtf8Settings + "\xC1\xBF", CodeMode::automatic, TextCode::cp932, 0},
        {kUtf8Settings + "\xF5\x80\x80\x80", CodeMode::automatic, TextCode::cp932, 0},
        // The edges of what is valid.
        {"\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", CodeMode::automatic,
         TextCode::utf8, 0},
    };
    for (auto& c : cases) {
        const DetectedCode detected = DetectTextCode(c.block, c.mode);
        EXPECT_EQ(detected.code, c.code) << testing::PrintToString(c.block);
        EXPECT_EQ(detected.markLength, c.mark) << testing::PrintToString(c.block);
    }
    // A lone non-ASCII byte is seen wherever it falls in the 16-byte steps.
    for (size_t at = 0; at < 40; ++at) {
        const std::string before(at, 'a'), after(20, 'a');
        EXPECT_EQ(DetectTextCode(before + "\x80" + after + kUtf8Settings, CodeMode::automatic).code, TextCode::cp932);
        EXPECT_EQ(DetectTextCode(before + kUtf8Settings, CodeMode::automatic).code, TextCode::utf8);
        EXPECT_EQ(DecodeWhole(TextCode::utf8, before + "\x80" + after), before + "?" + after);
    }
}

TEST(Encoding, CodeModeSetting) {
    const std::pair<const char*, CodeMode> cases[] = {
        {"932", CodeMode::cp932}, {"utf8", CodeMode::utf8},        {"UTF-8", CodeMode::utf8},
        {"Utf8", CodeMode::utf8}, {"auto", CodeMode::automatic},   {"", CodeMode::automatic},
        {"utf16", CodeMode::automatic}, {"9320", CodeMode::automatic},
    };
    for (auto& [value, mode] : cases) EXPECT_EQ(ParseCodeMode(value), mode) << value;
}

struct Conversion {
    TextCode code;
    std::string bytes, cp932;
};
const Conversion kConversions[] = {
    {TextCode::utf8, "\xE8\xA8\xAD\xE5\xAE\x9A\xE8\xA1\xA8", "\x90\xDD\x92\xE8\x95\x5C"},  // 設定表
    {TextCode::utf8, "\xEF\xBD\xB1\xEF\xBD\x9E", "\xB1\x81\x60"},                           // ｱ～
    {TextCode::utf8, "\xC3\xA9\xC2\xA5\xE3\x80\x9C", "???"},       // é ¥ 〜: no look-alikes
    {TextCode::utf8, "\xF0\x90\x81\x81" "a", "?a"},                  // U+10041 is not "A"
    {TextCode::utf8, "\xEF\xBF\xBD", "?"},                           // U+FFFD itself
    // One "?" per maximal subpart.
    {TextCode::utf8, "a\xF1\x80\x80\xE1\x80\xC2" "b\x80" "c\x80\xBF" "d", "a???b?c??d"},
    {TextCode::utf8, "\xE0\x80\x80|\xED\xA0\x80|\xF4\x90\x80\x80|\xC0\xAF|\xFF", "???|???|????|??|?"},
    {TextCode::utf8, "\xE3\x81" "A\xF0\x90\x80", "?A?"},
    {TextCode::utf8, "a\0b\r\nc"s, "a\0b\r\nc"s},
    {TextCode::utf8, "\xE8\xA8\xAD" "ab\xE8\xA1\xA8", "\x90\xDD" "ab\x95\x5C"},
    {TextCode::utf8, "\xE8\xA8\xAD" + std::string(40, 'a') + "\xE8\xA1\xA8", "\x90\xDD" + std::string(40, 'a') + "\x95\x5C"},
    {TextCode::utf8, Repeat("\xE8\xA8\xAD", 5000) + "x", Repeat("\x90\xDD", 5000) + "x"},
    {TextCode::utf16le, "\x2D\x8A\x68\x88" "a\0"s, "\x90\xDD\x95\x5C" "a"},
    {TextCode::utf16be, "\x8A\x2D\x88\x68\0a"s, "\x90\xDD\x95\x5C" "a"},
    {TextCode::utf16le, "x\0\r\0\n\0\0\0y\0"s, "x\r\n\0y"s},
    {TextCode::utf16le, "\x0A\x4E", "\x8F\xE3"},                     // 上: its 0A byte is no line end
    {TextCode::utf16le, "a\0b"s, "a?"},                               // odd length
    {TextCode::utf16le, "\x3D\xD8" "a\0\x00\xDE" "b\0"s, "?a?b"},    // unpaired high, unpaired low
    {TextCode::utf16le, "\x00\xD8\x41\xDC\x3D\xD8"s, "??"},          // U+10041, then a high at the end
    {TextCode::utf16le, "\x3D\xD8\x41", "??"},                       // a high and an odd byte
    {TextCode::utf16be, "\xD8\x3D\xDE\x00\xDE\x00"s, "??"},          // a pair, then a lone low
    {TextCode::utf16be, "\xDB\xFF\xDF\xFF\xD8\x00\xDC\x00"s, "??"},   // U+10FFFF and U+10000: the last and first pairs
    {TextCode::utf16be, Repeat("\x8A\x2D", 3000), Repeat("\x90\xDD", 3000)},
    {TextCode::cp932, "\x93\xFA\x82\xEF\xBB\xBF\x82", "\x93\xFA\x82\xEF\xBB\xBF\x82"},
};

TEST(Encoding, Conversion) {
    for (auto& c : kConversions)
        EXPECT_EQ(DecodeWhole(c.code, c.bytes), c.cp932) << testing::PrintToString(c.bytes);
    // Too little room fails, writing nothing beyond it.
    const std::pair<TextCode, const char*> tooLong[] = {
        {TextCode::utf8, "abcd"}, {TextCode::utf8, "\xE8\xA8\xAD" "ab"}, {TextCode::cp932, "abcd"}};
    for (auto& [code, text] : tooLong) {
        char out[4] = {'-', '-', '-', '-'};
        size_t written = 0;
        EXPECT_FALSE(TextDecoder(code).Decode(text, true, out, 3, &written));
        EXPECT_EQ(out[3], '-') << text;
    }
    // Byte by byte, the pieces of a character carried from call to call give what the whole gives.
    for (auto& c : kConversions) {
        if (c.bytes.size() > 64) continue;
        TextDecoder decoder(c.code);
        std::string out;
        for (size_t i = 0; i < c.bytes.size(); ++i) {
            char room[8];
            size_t written = 0;
            ASSERT_TRUE(decoder.Decode(c.bytes.substr(i, 1), i + 1 == c.bytes.size(), room, sizeof room, &written));
            out.append(room, written);
        }
        EXPECT_EQ(out, c.cp932) << testing::PrintToString(c.bytes);
    }
}

TEST(Encoding, FakeConvertsAsWindows) {
    for (auto& form : cases::kCp932Forms) {
        char out[4];
        size_t written = 0;
        ASSERT_TRUE(os::WideToCp932(std::u16string(1, form.unit), out, sizeof out, &written));
        EXPECT_EQ(std::string_view(out, written), form.bytes) << "U+" << std::hex << int(form.unit);
    }
    const std::u16string all = cases::AllBmpCharacters();
    std::string out(2 * all.size(), '\0');
    size_t written = 0;
    ASSERT_TRUE(os::WideToCp932(all, out.data(), out.size(), &written));
    EXPECT_EQ(cases::Fnv1a(std::string_view(out.data(), written)), cases::kBmpCp932Hash)
        << "the fake's table of the BMP differs from Windows'";
    // Keywords are looked for in UTF-8 through the way back: every form but "?"
    // must lead to its one character.
    std::u16string back, wrong;
    for (size_t i = 0, at = 0; i < all.size(); ++i) {
        const std::string_view form(out.data() + at, IsLeadByte(out[at]) ? 2 : 1);
        at += form.size();
        if (form != "?" && !(os::Cp932ToWide(form, &back) && back == all.substr(i, 1))) wrong += all[i];
    }
    EXPECT_EQ(wrong, u"");
}

}  // namespace
}  // namespace qv
