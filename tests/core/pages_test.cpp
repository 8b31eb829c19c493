// The menus a user reads: a file's lines as a text page or a file submenu, the
// files of a folder listed in order and in columns, and where a choice leads.
#include <string>

#include "fixture.h"
#include "menu/hooks.h"
#include "menu/popup.h"
#include "menu/tracking.h"

namespace qv {
namespace {

const std::string kNav = ", -, &> Next, &< Return, -, @system{}, -, &0 grep{&all}";

TEST_F(Machine, FileLinesAsMenuItems) {
    enum { submenu, page, twice, unreadable };  // twice: a submenu opened again after a line was marked
    const std::string grep = kNav.substr(0, kNav.size() - 1) + ", -, ";  // the keyword sets' submenu open
    const struct { const char *commandLine, *settings; std::string content; int how; std::string expected; } rows[] = {
        {"", "", "one\r\ntwo\r\n", page, "&@ memo.txt, -, one, two, " + kNav},
        {"", "", "one\r\ntwo", twice, "one, two" + kNav},  // marks forgotten, no menu left behind
        {"", "@text=,3", "x\n\n\ny", submenu, ", y" + kNav}, {"", "", "", submenu, "non data" + kNav},
        {"", "@text=,5", "1\n2\n3", submenu, "non line" + kNav}, {"", "", "a", unreadable, "read error"},
        {"/#g1", "@grep1=zzz", "a\n", submenu, "non grep" + grep + "&1 zzz*}"},
        {"/#g0", "@text=,,3\r\n@grep0=odd", "odd 1\neven 2\nodd 3\neven 4\nodd 5\nodd 7\n", submenu,
         "odd 1, odd 3, odd 5" + grep + "&0 odd*}"},
        {"/#g3", "@grep0=alpha | beta\r\n@grep3=alpha | beta", "beta alpha", submenu,
         "beta alpha" + grep + "&0 alpha + beta, &3 alpha | beta*}"},
        {"", "", "a&b", submenu, "a?b" + kNav}, {"", "@text=2", "a\tb\tc", submenu, "a  b  c" + kNav},
        {"", "@text=1", "\x95\tz", submenu, "\x95 z" + kNav},  // a lead byte before a tab is a byte of its own
        {"", "@text=,,,10", "abcdefghijklmnopqrstuvwxyz\nabcdefghi\x95\x5C", submenu, "abcdefghij, abcdefghi" + kNav},
        {"", "@text=4,7,,10,1", "1\n2\n3\n4\n5\n6\nseventh line\n", submenu, "0007  seventh li, 0008  " + kNav},
        {"", "@font=Arial\r\n@text=,,,,1", "a\nb", submenu, "#  0001  a, #  0002  b" + kNav},
        {"", "[exec]\r\nC:\\tools\\p.exe | &P", "a", page,
         "&@ memo.txt, -, a, -, &> Next, &< Return, -, &P{}, -, &0 grep{&all}"},
    };
    for (const auto& row : rows) {
        SetUp();
        fake::AddFile(kMemo, row.content);
        if (row.how == unreadable) fake::MakeUnreadable(kMemo);
        Load(row.commandLine, "[system]\r\n" + std::string(row.settings) + "\r\n");
        os::Menu menu = os::CreatePopupMenu();
        if (row.how == page) BuildFileMenu(menu);
        else FillFileSubmenu(menu, 0);
        if (row.how == twice) {
            process::menuItems.items[1].marked = process::menuItems.markedCount = 1;
            FillFileSubmenu(menu, 0);
        }
        const std::string shown = Render(menu) + (process::menuItems.markedCount ? " marked" : "");
        os::DestroyMenu(menu);
        EXPECT_EQ(AndOutcome(shown), row.expected) << row.settings << testing::PrintToString(row.content);
    }
}

// The root menu shown, a choice made in it with keys held (R: the right button), and each menu shown then.
TEST_F(Machine, WhereChoicesLead) {
    const std::string kFixed = ", -, &0 Ver.1.06{&S 設定ファイル, &H 説明書}", kList = "f0.txt{}, f1.txt{}, f2.txt{}, f3.txt{}";
    const struct { int type, current; unsigned command; const char* keys; std::string expected; } rows[] = {
        {textPage, 2, cmdNextOnPage, "", "&@ f2.txt, -, b > &@ f3.txt, -, b"},
        {textPage, 3, cmdNextOnPage, "", "&@ f3.txt, -, b > &@ f0.txt, -, b"},
        {textPage, 0, cmdNextInSubmenu, "C", "&@ f0.txt, -, b > &@ f3.txt, -, b"},  // Ctrl: the last file
        {textPage, 1, cmdNextOnPage, "S", "&@ f1.txt, -, b > " + kList + kFixed},
        {textPage, 2, cmdReturnOnPage, "", "&@ f2.txt, -, b > &@ f1.txt, -, b"},
        {textPage, 0, cmdReturnOnPage, "", "&@ f0.txt, -, b > &@ f3.txt, -, b"},
        {textPage, 2, cmdReturnInSubmenu, "CS", "&@ f2.txt, -, b > &@ f0.txt, -, b"},
        {textPage, 2, cmdReturnOnPage, "R", "&@ f2.txt, -, b > " + kList + kFixed},
        {textPage, 1, cmdLineFirst, "CS", "&@ f1.txt, -, b > &@ f1.txt, -, b"},  // marks were made: the page again
        {textPage, 1, cmdLineFirst, "C", "&@ f1.txt, -, b ; run C:\\tools\\p.exe 2"},
        {textPage, 1, cmdLineFirst + 1, "", "&@ f1.txt, -, b"},  // beyond the page: nothing
        {textPage, 1, cmdTitle, "R", "&@ f1.txt, -, b ; run C:\\tools\\p.exe 1"},  // no line marked
        {textPage, 1, cmdLauncherFirst + 1, "", "&@ f1.txt, -, b ; clip b; beep"},
        {textPage, 1, cmdGrepAll, "", "&@ f1.txt, -, b > &@ f1.txt, -, a, b"},
        {textPage, 1, cmdGrepAll, "C", "&@ f1.txt, -, b > &@ f1.txt, -, b"},  // the sets as toggled in the menu
        {textPage, 1, cmdGrepSetFirst + 3, "", "&@ f1.txt, -, b > &@ f1.txt, -, a"},
        {fixedOnly, 0, cmdManual, "", "&S 設定ファイル, &H 説明書, -, &0 Ver.1.06 ; run C:\\tools\\p.exe \"C:\\My Doc\\m.txt\""},
        {folderList, -1, cmdNone, "", "non file" + kFixed},
    };
    for (const auto& row : rows) {
        SetUp();
        Load("/#g1", "[system]\r\n@grep1=b\r\n@grep3=a\r\n@editor=C:\\tools\\p.exe\r\n"
                     "[exec]\r\nC:\\tools\\p.exe\r\n>%$J\r\n@clip");
        process::programPaths.manualPath = "C:\\My Doc\\m.txt";
        process::fileCount = row.current < 0 ? 0 : 4;
        process::currentFile = std::max(row.current, 0);
        for (int i = 0; i < 4; ++i) {
            process::fileList[i].path = "C:\\t\\f" + std::to_string(i) + ".txt";
            fake::AddFile(process::fileList[i].path.c_str(), "a\nb");
        }
        std::string shown;
        for (int showing = 0; showing < 2; ++showing) {
            fake::trackScripts.push_back([&, showing, row](os::Menu menu) {
                const std::string all = Render(menu);
                shown += (shown.empty() ? "" : " > ") + all.substr(0, all.find(", -, &>"));
                for (char key : std::string(showing ? "" : row.keys)) {
                    if (key != 'R') fake::keysDown.insert(key == 'C' ? os::kVkControl : os::kVkShift);
                    if (key == 'R') OnMenuSelect(row.command, menu);
                    if (key == 'R') MenuMouseHookAction(0, kWmRButtonDown);
                }
                return showing ? 0 : int(row.command);
            });
        }
        ShowPopupMenu(kWindow, row.type);
        EXPECT_EQ(AndOutcome(shown), row.expected) << row.command << row.keys;
    }
}

// The first menu for the start path on the command line, up to its fixed or navigation items: the files
// in order, a folder's before its subfolders', three to a column, a new column only where the folder changes.
TEST_F(Machine, FolderListing) {
    const struct { const char *commandLine, *settings, *expected; } rows[] = {
        {"C:\\d", "", "a.TXT{}, b.txt{}, \x83\x5C.txt{}"},
        {"C:\\d\\", "@sub", "a.TXT{}, b.txt{}, x.txt{}, |y.txt{}, z.txt{}, \x83\x5C.txt{}"},
        {"C:\\d", "@sub\r\n@list=0,1", "a.TXT{}, b.txt{}, \x83\x5C.txt{}, |x.txt{}, -, y.txt{}, |z.txt{}"},
        {"C:\\d", "@sub\r\n@list=0,2", "a.TXT{}, b.txt{}, \x83\x5C.txt{}, |x.txt{}, |y.txt{}, |z.txt{}"},
        {"C:\\d", "@filter=.log;.txt\r\n@list=1", "c.log{}, a.TXT{}, b.txt{}, \x83\x5C.txt{}"},
        {"C:\\d", "@filter=.txt;.log\r\n@sub\r\n@list=1,2",
         "a.TXT{}, b.txt{}, \x83\x5C.txt{}, c.log{}, |x.txt{}, |y.txt{}, |z.txt{}"},
        {"C:\\d\\f.txt", "@sub\r\n@list=0,1", "-, y.txt{}"},  // a folder is no file, whatever its name
        {"C:\\D\\C.LOG", "", "&@ c.log, -, non data of 4"},  // its extension listed too, its page shown
        {"C:\\d\\Makefile", "@list=1", "&@ Makefile, -, non data of 4"},
        {"C:\\d\\gone.txt C:\\missing", "", "&S 設定ファイル, &H 説明書"}, {"C:\\many", "", "200 files"},
    };
    for (const auto& row : rows) {
        SetUp();
        for (const char* file :
             {"b.txt", "s1\\x.txt", "a.TXT", "c.log", "Makefile", "f.txt\\g\\y.txt", "s2\\z.txt", "\x83\x5C.txt"})
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
        if (first.rfind("&@", 0) == 0) first += " of " + std::to_string(process::fileCount);  // a page: of the files listed
        EXPECT_EQ(AndOutcome(first), row.expected + std::string(" ; closed")) << row.commandLine;
    }
}

}  // namespace
}  // namespace qv
