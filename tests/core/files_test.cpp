// What is read of files: a page and the whole-file copy of the same file, in
// every code, through chunks of any size; and which files a folder lists, in
// which order.
#include <string>

#include "common/text_file.h"
#include "fixture.h"
#include "lines/page_reader.h"
#include "menu/file_copy.h"

namespace qv {
namespace {

using std::string_literals::operator""s;

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
        {Repeat("hay\n", 9998) + "needle1\nneedle2\n", "@grep1=needle", 0, "needle1 ; clip needle1|needle2; beep"},
        {"one\r\ntw\0o\r\nthree"s, "", 0, Both("one|tw|three")},  // a text ends at its first NUL
        {"a\x95\r\x5C", "", 0, Both("a\x95\x5C")},  // a CR goes, even inside a character
        {kUtf8, "", 0, Both(kRead)}, {"\xEF\xBB\xBF" + kUtf8, "", 0, Both(kRead)},
        {"\xFF\xFE" + kUtf16, "", 0, Both(kRead)}, {"\xFE\xFF" + kUtf16Be, "", 0, Both(kRead)},
        {"a\r\n\xE8\xA1\xA8", "", 0, Both("a|\x95\x5C")}, {"a\xE8\xA1\xA8", "@code=utf8", 0, Both("a\x95\x5C")},
        {"\xE8\xA1\xA8", "@code=932", 0, Both("\xE8\xA1\xA8")},
        {"\xC4\xB3\xCF\xBD", "", 0, Both("\xC4\xB3\xCF\xBD")},  // ﾄｳﾏｽ, valid UTF-8 too
        {"\xC4\xB3\xCF\xBD\xE8\xA1\xA8", "", 0, Both("??\x95\x5C")},  // and a kanji in UTF-8
        {"\xE8\xA1\xA8\xE8\xA1", "", 0, Both("\x95\x5C?")},  // the last character cut
        {"\xEF\xBB\xBF\xC3\xA9\xFF", "", 0, Both("??")}, {"\xFF\xFE", "", 0, "empty ; "},
        {"\xFF\xFE" "a\0\n"s, "", 0, Both("a?")},  // an odd last byte is no line feed
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

// The first menu for the start path on the command line, up to its fixed or navigation items; three
// files to a column, a new column only where the folder changes.
TEST_F(Machine, FolderListing) {
    const struct { const char *commandLine, *settings, *expected; } rows[] = {
        {"C:\\d", "", "a.TXT{}, b.txt{}, zz.txt{}"},
        {"C:\\d\\", "@sub", "a.TXT{}, b.txt{}, x.txt{}, |y.txt{}, z.txt{}, zz.txt{}"},
        {"C:\\d", "@sub\r\n@list=0,1", "a.TXT{}, b.txt{}, zz.txt{}, |x.txt{}, -, y.txt{}, |z.txt{}"},  // depth first
        {"C:\\d", "@sub\r\n@list=0,2", "a.TXT{}, b.txt{}, zz.txt{}, |x.txt{}, |y.txt{}, |z.txt{}"},
        {"C:\\d", "@filter=.log;.txt\r\n@list=1", "c.log{}, a.TXT{}, b.txt{}, zz.txt{}"},
        {"C:\\d", "@filter=.txt;.log\r\n@sub\r\n@list=1,2",
         "a.TXT{}, b.txt{}, zz.txt{}, c.log{}, |x.txt{}, |y.txt{}, |z.txt{}"},
        {"C:\\d\\folder.txt", "@sub\r\n@list=0,1", "-, y.txt{}"},  // a folder is no file, whatever its name
        {"C:\\D\\C.LOG", "", "&@ c.log, -, non data"},  // its extension listed too, its page shown
        {"C:\\d\\Makefile", "@list=1", "&@ Makefile, -, non data"},
        {"C:\\d\\gone.txt C:\\missing", "", "&S 設定ファイル, &H 説明書"}, {"C:\\many", "", "200 files"},
    };
    for (const auto& row : rows) {
        SetUp();
        for (const char* file :
             {"b.txt", "sub1\\x.txt", "a.TXT", "c.log", "Makefile", "folder.txt\\deep\\y.txt", "sub2\\z.txt", "zz.txt"})
            fake::AddFile("C:\\d\\" + std::string(file), "");
        for (int i = 0; i < 201; ++i) fake::AddFile("C:\\many\\f" + std::to_string(1000 + i).substr(1) + ".txt", "");
        std::string first;
        fake::trackScripts.push_back([&first](os::Menu menu) {
            first = Render(menu);
            first = first.substr(0, std::min(first.find(", -, &>"), first.find(", -, &0 Ver")));
            return 0;
        });
        Load(row.commandLine, "[system]\r\n" + std::string(row.settings) + "\r\n");
        ShowStartMenu(kWindow);
        if (process::fileCount > 10) first = std::to_string(std::count(first.begin(), first.end(), '{')) + " files";
        EXPECT_EQ(AndOutcome(first), row.expected + std::string(" ; closed")) << row.commandLine;
    }
}

}  // namespace
}  // namespace qv
