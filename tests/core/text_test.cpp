// The text rules as a user meets them: a file read as a page and copied whole,
// its code told from its first bytes and converted, its lines cut, its
// keywords looked for by the cp932 rules, through chunks of any size.
#include <string>

#include "common/text_file.h"
#include "fixture.h"
#include "lines/page_reader.h"
#include "menu/file_copy.h"

namespace qv {
namespace {

using std::string_literals::operator""s;

const std::string kNihongo = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x81\x83\x82";  // 日本語のメモ in cp932
const std::string kSettei = "\xE8\xA8\xAD\xE5\xAE\x9A";                             // 設定 in UTF-8

std::string Xs(size_t n) { return std::string(n, 'x'); }
// The page and the copy alike.
std::string Both(const std::string& lines) { return lines + " ; clip " + lines + "; beep"; }

// settings: lines of [system], sets 0 and 1 asked for on the command line; chunk: the chunk size of both
// readers (0: as the program reads). Shown: the page's lines, then the copy (CR LF as "|").
TEST_F(Machine, PageAndWholeFileCopy) {
    const std::string kUtf8 = "\xE6\x97\xA5\xE6\x9C\xAC\r\n\xE8\xA1\xA8", kUtf16 = "\xE5\x65\x2C\x67\r\0\n\0\x68\x88"s;
    const std::string kUtf16Be = "\x65\xE5\x67\x2C\0\r\0\n\x88\x68"s, kRead = "\x93\xFA\x96\x7B|\x95\x5C";  // 日本|表
    const struct { std::string content; const char* settings; size_t chunk; std::string shown; size_t readable = ~0u; }
        rows[] = {
        {"a\nb\n", "", 0, Both("a|b|")},  // a final line feed adds an empty line
        {"\t\ta\tb\t\r\nc", "", 0, "\t\ta\tb\t|c ; clip ab|c; beep"},  // the page keeps tabs, the copy drops them
        {"", "", 0, "empty ; "},  // one empty line: copied, it would wipe what the user had
        {"key1\nno\nKEY2", "@grep1=key", 0, Both("key1|KEY2")},
        {"  k\tey\n" + std::string(20, ' ') + "ke\ry\n", "@grep1=key", 0,  // dropping a TAB or a CR makes a word
         std::string(20, ' ') + "key ; clip   key|" + std::string(20, ' ') + "key; beep"},
        {"kex" + std::string(20, ' ') + "\nkey\n", "@grep1=key", 0, Both("key")}, {"a\n", "@grep1=zzz", 0, "none ; "},
        {"s\n" + Xs(1038) + "\x95\x5Cy\n" + Xs(2076) + "\x95\x5C", "", 1000,  // lines of 1039 and of 2077 bytes
         "s|" + Xs(1038) + "|" + Xs(1039) + " ; clip s|" + Xs(1038) + "\x95\x5Cy|" + Xs(2076) + "; beep"},
        {"ab\r\nkey\r\n\x95\x5Ckey\nk", "@grep1=key", 3, Both("key|\x95\x5Ckey")},
        {"x\n\xE8\xA1\xA8key\n\xE8\xA1", "@grep1=key", 2, Both("\x95\x5Ckey")},
        {"x\n\xE8\xA1\xA8y\n\xE8\xA1", "", 2, Both("x|\x95\x5Cy|?")},
        // UTF-8 looked at before it is converted: 表, é (no cp932 form, a "?" of the settings) and ｱ
        {"\xE8\xA1\xA8x\n\xC3\xA9y\n\xEF\xBD\xB1z\nno\n", "@grep0=\x95\x5C | ? | \xB1", 0,
         Both("\x95\x5Cx|?y|\xB1z")},
        {"\xC3\x97 a\n\xE8\xA1\xA8 b\nc\n", "@grep0=\x81\x7E | \x95\x5C", 0, Both("\x81\x7E a|\x95\x5C b")},  // × and 表 as words
        {Repeat("hay\n", 9998) + "needle1\nneedle2\n", "@grep1=needle", 0, "needle1 ; clip needle1|needle2; beep"},
        {"one\r\ntw\0o\r\nthree"s, "", 0, Both("one|tw|three")},  // a text ends at its first NUL
        {"a\x95\r\x5C", "", 0, Both("a\x95\x5C")},  // a CR goes, even inside a character
        {kUtf8, "", 0, Both(kRead)}, {"\xEF\xBB\xBF" + kUtf8, "", 0, Both(kRead)},
        {"\xFF\xFE" + kUtf16, "", 0, Both(kRead)}, {"\xFE\xFF" + kUtf16Be, "", 0, Both(kRead)},
        {"a\r\n\xE8\xA1\xA8", "", 0, Both("a|\x95\x5C")}, {"a\xE8\xA1\xA8", "@code=utf8", 0, Both("a\x95\x5C")},
        {"\xC4\xB3\xCF\xBD", "", 0, Both("\xC4\xB3\xCF\xBD")},  // ﾄｳﾏｽ, valid UTF-8 too
        {"\xC4\xB3\xCF\xBD\xE8\xA1\xA8", "", 0, Both("??\x95\x5C")},  // and a kanji in UTF-8
        {"\xE8\xA1\xA8\xE8\xA1", "", 0, Both("\x95\x5C?")},  // the last character cut
        {"\xFF\xFE", "", 0, "empty ; "}, {"\xFF\xFE" "a\0\n"s, "", 0, Both("a?")},  // an odd last byte is no line feed
        {"\x82\x81", "@grep1=\x82\x60", 0, "none ; "},  // ａ and Ａ are no letters to fold
        {"\x95\x5C", "@grep1=\\", 0, "none ; "},  // 表: its second byte is no backslash
        {"\x83\x61\n\x83\x41" "A", "@grep1=\x83\x41" "a", 0, Both("\x83\x41" "A")},  // ッ, ア: second bytes "a", "A"
        {"aaaaab" + std::string(34, 'a'), "@grep1=B", 0, Both("aaaaab" + std::string(34, 'a'))},  // in a block of 16
        {kNihongo, "", 0, Both(kNihongo)}, {"\xFF\xFE" "a\0"s, "@code=utf8", 0, Both("a")},  // a mark wins
        {"\xEF\xBB\xBF\xE8\xA1\xA8", "@code=932", 0, Both("\xEF\xBB\xBF\xE8\xA1\xA8")},
        {"\xC3\x97", "", 0, Both("\x81\x7E")},  // ×: no pair of half-width katakana, so UTF-8
        {kSettei + "\xC0\xAF", "", 0, Both(kSettei + "\xC0\xAF")},  // overlong: cp932
        {std::string(20, 'a') + "\x80" + kSettei, "", 0, Both(std::string(20, 'a') + "\x80" + kSettei)},
        {"\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "", 0,  // the ends of valid
         Both("\x80?\xF0\x40???")},
        {"\xEF\xBD\xB1\xEF\xBD\x9E", "", 0, Both("\xB1\x81\x60")},  // ｱ～
        {"\xC3\xA9\xC2\xA5\xE3\x80\x9C", "", 0, Both("???")},  // é ¥ 〜: no look-alikes
        {"\xF0\x90\x81\x81" "a", "", 0, Both("?a")},  // U+10041 is not "A"
        // one "?" for each maximal subpart
        {"a\xF1\x80\x80\xE1\x80\xC2" "b\x80" "c\x80\xBF" "d", "@code=utf8", 0, Both("a???b?c??d")},
        {"\xE0\x80\x80,\xED\xA0\x80,\xF4\x90\x80\x80,\xC0\xAF,\xFF", "@code=utf8", 0, Both("???,???,????,??,?")},
        {std::string(19, 'a') + "\x80" "b", "@code=utf8", 0, Both(std::string(19, 'a') + "?b")},
        {"\xFF\xFE\x0A\x4E", "", 0, Both("\x8F\xE3")},  // 上: its 0A byte is no line feed
        {"\xFF\xFE\x3D\xD8" "a\0\x00\xDE" "b\0"s, "", 0, Both("?a?b")},  // unpaired high, unpaired low
        {"\xFE\xFF\xDB\xFF\xDF\xFF\xD8\x00\xDC\x00"s, "", 0, Both("??")},  // U+10FFFF and U+10000
        {"\xFF\xFE" "a\0\0\0b\0\n\0c\0"s, "", 0, Both("a|c")}, {"a\nb\n", "", 0, "failed ; ", 0},
        {Repeat(Xs(299) + "\n", 20), "", 0, "failed ; ", 5000},
    };
    for (const auto& row : rows) {
        SetUp();
        fake::AddFile(kMemo, row.content);
        fake::MakeUnreadable(kMemo, row.readable);
        Load("/#g0 /#g1", "[system]\r\n" + std::string(row.settings) + "\r\n");
        const ReadChunks chunks = row.chunk ? ReadChunks{row.chunk, row.chunk} : defaults::kReadChunks;
        const PageRead read = ReadPage(kMemo, process::settings.submenuStyle, chunks);
        std::string page = read == PageRead::failed ? "failed" : read == PageRead::empty ? "empty" : "";
        for (int k = 0; k < process::menuItems.itemCount; ++k)
            page += (k ? "|" : "") + std::string(process::menuItems.items[k].fullText.view());
        CopyFilteredFileToClipboard(1, ClipboardStart::afresh, chunks);
        if (page.empty()) page = "none";
        EXPECT_EQ(page + " ; " + Outcome(), row.shown) << testing::PrintToString(row.content);
    }
}

}  // namespace
}  // namespace qv
