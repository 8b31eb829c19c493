// Every reader of file text reads it alike: a line's text ends at its first NUL.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "line_items.h"
#include "menu/file_copy.h"
#include "menu/pages.h"
#include "output/macros.h"
#include "output/marked.h"
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

}  // namespace
}  // namespace qv
