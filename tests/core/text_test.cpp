// The text rules: cp932 search and comparison, path parts, how a file's code
// is told from its first bytes, and its conversion to cp932.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/encoding.h"
#include "common/path_split.h"
#include "common/text.h"
#include "common/text_decoder.h"

namespace qv {
namespace {

using std::string_literals::operator""s;

const std::string kNihongo = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x81\x83\x82";  // 日本語のメモ in cp932
const std::string kSettei = "\xE8\xA8\xAD\xE5\xAE\x9A";                             // 設定 in UTF-8

std::string Apply(const std::string& op, const std::string& a, const std::string& b) {
    const char* const codes[] = {"cp932", "utf8", "utf16le", "utf16be"};
    if (op == "find") return FindI(a, b) == std::string_view::npos ? "-" : std::to_string(FindI(a, b));
    if (op == "starts") return std::to_string(StartsWithI(a, b));
    if (op == "equals") return std::to_string(EqualsI(a, b));
    if (op == "quote") return QuoteSpaces(a);
    if (op == "split") {
        const PathParts p = SplitPath(a);
        return p.drive + "|" + p.folder + "|" + p.name + "|" + p.extension;
    }
    if (op == "detect") {  // b: the "@code=" setting
        const DetectedCode found = DetectTextCode(a, ParseCodeMode(b));
        return codes[int(found.code)] + (found.markLength ? " +" + std::to_string(found.markLength) : "");
    }
    for (int code = 0; code < 4; ++code) {
        if (op != codes[code]) continue;
        std::vector<char> out(DecodedRoom(a.size()));
        size_t written = 0;
        const bool done = TextDecoder(TextCode(code)).Decode(a, true, out.data(), out.size(), &written);
        return done ? std::string(out.data(), written) : "failed";
    }
    return "no such op";
}

TEST(Text, Rules) {
    const struct { const char* op; std::string a, b, expected; } rows[] = {
        {"find", "Hello World", "WORLD", "6"}, {"find", "ab", "abc", "-"}, {"find", "abc", "", "0"},
        {"find", "\x82\x81", "\x82\x60", "-"},  // ａ and Ａ are no letters to fold
        {"find", "\x95\x5C\\", "\\", "2"},  // 表: its second byte is a backslash
        {"find", "\x83\x61", "\x83\x41", "-"}, {"find", "x\x83\x41" "A", "\x83\x41" "a", "1"},  // ッ and ア: "a", "A"
        {"find", "aaaaab" + std::string(34, 'a'), "B", "5"},  // inside a block of sixteen
        {"starts", "\x83\x41x", "\x83\x61", "0"}, {"equals", "\x83\x41", "\x83\x61", "0"},
        {"quote", "C:\\My Tools\\a.ini", "", "\"C:\\My Tools\\a.ini\""}, {"quote", "C:\\a.ini", "", "C:\\a.ini"},
        {"split", "C:\\work\\notes\\memo.txt", "", "C:|\\work\\notes\\|memo|.txt"},
        {"split", "C:\\\x95\x5C\\a.txt", "", "C:|\\\x95\x5C\\|a|.txt"},
        {"split", "\x95\x5C.txt", "", "||\x95\x5C|.txt"},
        {"split", "C:\\x\\\x95\x5C.txt", "", "C:|\\x\\|\x95\x5C|.txt"},
        {"split", "C:\\\xE0\x5C\xFC\x5C.txt", "", "C:|\\|\xE0\x5C\xFC\x5C|.txt"},  // the upper lead bytes' ends
        {"split", "C:\\a\\archive.tar.gz", "", "C:|\\a\\|archive.tar|.gz"},
        {"split", "C:\\data\\rel1.2\\README", "", "C:|\\data\\rel1.2\\|README|"},
        {"split", "a/b/x.log", "", "|a/b/|x|.log"}, {"detect", "\xEF\xBB\xBF" "abc", "", "utf8 +3"},
        {"detect", "\xFF\xFE" "a\0"s, "", "utf16le +2"}, {"detect", "\xFE\xFF\0a"s, "", "utf16be +2"},
        {"detect", "\xFF\xFE", "UTF-8", "utf16le +2"}, {"detect", "\xEF\xBB\xBF" + kSettei, "932", "cp932"},
        {"detect", "", "utf8", "utf8"}, {"detect", kNihongo, "", "cp932"}, {"detect", kNihongo, "Utf8", "utf8"},
        {"detect", kNihongo + "\x93", "", "cp932"},
        {"detect", "\xC3\x97", "", "utf8"},  // ×: no pair of half-width katakana
        {"detect", kSettei + "\xE5\xAE", "", "utf8"},  // a character cut by the block's end counts neither way
        {"detect", kSettei + "\xC0\xAF", "", "cp932"},
        {"detect", kSettei + "\xED\xA0\x80", "", "cp932"},  // overlong, surrogate
        {"detect", kSettei + "\xF4\x90\x80\x80", "", "cp932"},  // above U+10FFFF
        {"detect", "\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "", "utf8"},
        {"detect", std::string(20, 'a') + "\x80" + kSettei, "", "cp932"},
        {"utf8", kSettei + "\xE8\xA1\xA8", "", "\x90\xDD\x92\xE8\x95\x5C"},
        {"utf8", "\xEF\xBD\xB1\xEF\xBD\x9E", "", "\xB1\x81\x60"},
        {"utf8", "\xC3\xA9\xC2\xA5\xE3\x80\x9C", "", "???"},  // é ¥ 〜: no look-alikes
        {"utf8", "\xF0\x90\x81\x81" "a", "", "?a"},  // U+10041 is not "A"
        {"utf8", "a\xF1\x80\x80\xE1\x80\xC2" "b\x80" "c\x80\xBF" "d", "", "a???b?c??d"},  // a "?" a maximal subpart
        {"utf8", "\xE0\x80\x80|\xED\xA0\x80|\xF4\x90\x80\x80|\xC0\xAF|\xFF", "", "???|???|????|??|?"},
        {"utf8", "a\0b\r\nc"s, "", "a\0b\r\nc"s},
        {"utf8", std::string(19, 'a') + "\x80" "b", "", std::string(19, 'a') + "?b"},
        {"utf16le", "\x0A\x4E", "", "\x8F\xE3"},  // 上: its 0A byte is no line end
        {"utf16le", "\x3D\xD8" "a\0\x00\xDE" "b\0"s, "", "?a?b"},  // unpaired high, unpaired low
        {"utf16be", "\xDB\xFF\xDF\xFF\xD8\x00\xDC\x00"s, "", "??"},  // U+10FFFF and U+10000
    };
    for (const auto& row : rows)
        EXPECT_EQ(Apply(row.op, row.a, row.b), row.expected) << row.op << " " << testing::PrintToString(row.a);
}

}  // namespace
}  // namespace qv
