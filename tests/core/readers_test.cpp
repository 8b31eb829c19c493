// Every reader of file text reads it alike: UTF-8 and UTF-16 are converted to
// cp932 where the file is read, and a line's text ends at its first NUL.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "line_items.h"
#include "menu/file_copy.h"
#include "menu/pages.h"
#include "output/macros.h"
#include "output/marked.h"
#include "settings/option_values.h"
#include "settings/program_lookup.h"
#include "settings_fixture.h"

namespace qv {
namespace {

using namespace std::string_literals;

class Readers : public SettingsTest {
protected:
    // The file's lines as the page reader lists them, joined by '|'.
    static std::string PageLines(const std::string& content) {
        testing_items::SetCurrentFile("C:\\t\\a.txt");
        fake::AddFile("C:\\t\\a.txt", content);
        os::Menu menu = os::CreatePopupMenu();
        FillFileSubmenu(menu, 0);
        std::string lines;
        for (int k = 0; k < process::menuItems.itemCount; ++k)
            lines += (k ? "|" : "") + std::string(process::menuItems.items[k].fullText.view());
        return lines;
    }
};

TEST_F(Readers, ALinesTextEndsAtItsFirstNul) {
    const std::string text = "one\r\ntw\0o\r\nthree"s;
    const struct { const char* reader; std::function<std::string()> read; std::string expected; } cases[] = {
        {"settings lines",
         [&] {
             Run("", "[system]\r\n@filter=.txt\0;.log\r\n@sub\0\r\n@text=\0" "9\r\n%end"s);
             return std::to_string(process::settings.extensionFilterCount) + std::to_string(process::settings.includeSubfolders) +
                    std::to_string(process::settings.submenuStyle.tabWidth);
         },
         "114"},  // one extension; "@sub" still read; "@text=" with no value before the NUL
        {"settings header", [&] { Run("", "x\0[system]\r\n@sub\r\n"s); return std::to_string(process::settings.includeSubfolders); }, "0"},
        {"search-path file",
         [&] {
             fake::AddFile("C:\\app\\paths.txt", "set path=C:\\a\0;C:\\b\r\n"s);
             ReadSearchPathFile("C:\\app\\paths.txt");
             return std::string(process::settings.searchPath.view());
         },
         "C:\\a"},
        {"pages and file submenus", [&] { return PageLines(text); }, "one|tw|three"},
        {"whole-file copy",
         [&] {
             PageLines(text);
             CopyFilteredFileToClipboard(0, ClipboardStart::afresh);
             return fake::clipboard.value_or("<none>");
         },
         "one\r\ntw\r\nthree"},
        {"marked lines",
         [&] {
             PageLines(text);
             process::menuItems.items[1].marked = process::menuItems.markedCount = 1;
             RunMarkedLines(ExpandMacros("<%T>", "", 1), actionCopy, ClipboardStart::afresh);
             return fake::clipboard.value_or("<none>");
         },
         "<tw>"},
    };
    for (const auto& c : cases) {
        SetUp();
        EXPECT_EQ(c.read(), c.expected) << c.reader;
    }
}

// 日本 and 表, and the same two lines as UTF-8 and UTF-16.
const std::string kNihon = "\x93\xFA\x96\x7B", kHyo = "\x95\x5C";
const std::string kUtf8 = "\xE6\x97\xA5\xE6\x9C\xAC\r\n\xE8\xA1\xA8";
const std::string kUtf16 = "\xE5\x65\x2C\x67\r\0\n\0\x68\x88"s;

std::string BigEndian(std::string littleEndian) {
    for (size_t i = 0; i + 1 < littleEndian.size(); i += 2) std::swap(littleEndian[i], littleEndian[i + 1]);
    return littleEndian;
}

// pad: lines of ASCII before the file's own text (1008 of them end 16 bytes
// before 64 kB, 1009 just past it), left out of the comparison.
TEST_F(Readers, UnicodeFilesReadAsCp932) {
    const struct { const char* what; std::string file, lines; const char* code = "auto"; int pad = 0; } cases[] = {
        {"UTF-8", kUtf8, kNihon + "|" + kHyo},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + kUtf8, kNihon + "|" + kHyo},
        {"UTF-16 LE", "\xFF\xFE" + kUtf16, kNihon + "|" + kHyo},
        {"UTF-16 BE", "\xFE\xFF" + BigEndian(kUtf16), kNihon + "|" + kHyo},
        {"cp932", kNihon + "\r\n" + kHyo, kNihon + "|" + kHyo},
        {"UTF-8 told to be cp932", "\xE8\xA1\xA8", "\xE8\xA1\xA8", "932"},
        {"half-width katakana (ﾃｽ) that are valid UTF-8", "\xC3\xBD", "\xC3\xBD"},
        {"UTF-8 told", "a\xE8\xA1\xA8", "a" + kHyo, "utf8"},
        {"UTF-8 in the first block", "\xE8\xA1\xA8", kHyo, "auto", 1008},
        {"UTF-8 cut by the file's end", "\xE8\xA1\xA8\xE8\xA1", kHyo + "?"},
        {"the same in a file of exactly 64 kB", "\xE8\xA1\xA8" + std::string(12, 'b') + "\xE8", kHyo + "bbbbbbbbbbbb?",
         "auto", 1008},
        {"ASCII fills the first block", "\xE8\xA1\xA8", "\xE8\xA1\xA8", "auto", 1009},
        {"no cp932 form, an invalid byte", "\xEF\xBB\xBF\xC3\xA9\xFF", "??"},
        {"a mark alone", "\xFF\xFE", ""},
        {"an odd last byte, never a line end", "\xFF\xFE" "a\0\n"s, "a?"},
        {"a NUL character", "\xFF\xFE" "a\0\0\0b\0\n\0c\0"s, "a|c"},
    };
    for (const auto& c : cases) {
        SetUp();
        process::settings.codeMode = ParseCodeMode(c.code);
        process::settings.submenuStyle.firstLine = c.pad;
        std::string pad;
        for (int i = 0; i < c.pad; ++i) pad += std::string(63, 'a') + "\r\n";
        EXPECT_EQ(PageLines(pad + c.file), c.lines) << c.what;
        std::string lines = c.lines, copied;
        for (char& ch : lines)
            if (ch == '|') ch = '\n';
        if (CopyFilteredFileToClipboard(0, ClipboardStart::afresh)) copied = fake::clipboard->substr(pad.size());
        for (size_t at; (at = copied.find("\r\n")) != std::string::npos;) copied.erase(at, 1);
        EXPECT_EQ(copied, lines) << c.what;
    }
}

TEST_F(Readers, UnicodeSettingsAndSearchPathFiles) {
    // A UTF-8 settings file: a Japanese launcher label and keyword set.
    ASSERT_TRUE(Run("", "[system]\r\n@grep1=\xE6\x97\xA5\xE6\x9C\xAC\r\n@path=C:\\app\\paths.txt\r\n%end\r\n"
                        "[exec]\r\n@clip | \xE8\xA1\xA8\r\n%end\r\n"));
    EXPECT_EQ(Words(1), std::vector<std::string>{kNihon});
    EXPECT_EQ(process::launchers[0].label.view(), kHyo);
    fake::AddFile("C:\\app\\paths.txt", "\xFF\xFE" "C\0:\0\\\0h\x88"s);  // C:\表 in UTF-16
    ReadSearchPathFile("C:\\app\\paths.txt");
    EXPECT_EQ(process::settings.searchPath.view(), "C:\\" + kHyo);
}

}  // namespace
}  // namespace qv
