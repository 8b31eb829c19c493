// The menu while it is open and once it is gone: where it stands, what the
// hooks do with the mouse and the keys, what the window's messages do, and
// what a choice carries out.
#include <sstream>
#include <string>

#include "fixture.h"
#include "menu/dispatch.h"
#include "menu/hooks.h"
#include "menu/popup.h"
#include "menu/tracking.h"

namespace qv {
namespace {

// with: d a monitor at 125 %, 0 a failed DPI query, n no cursor, b no mouse, a the menu shown
// again after the mouse moved; w, z, 1: the active window's rectangle is ordinary, zero or one pixel wide.
TEST_F(Machine, Placement) {
    const struct { const char *menu, *with, *expected; } rows[] = {
        {"center", "", "960,520 116"}, {"-20,30", "", "-20,30 102"}, {"-20,30", "d", "-25,38 102"},
        {"-20,30", "0", "-20,30 102"}, {"mouse", "d", "100,200 102"}, {"mouse", "n", "960,520 116"},
        {"mouse", "b", "960,520 116"}, {"mous2", "", "100,200 112"}, {"mous2", "a", "100,200 112"},
        {"active", "w", "-101,100 116"}, {"active", "", "960,520 116"}, {"active", "z", "960,520 116"},
        {"active", "1", "10,50 116"},
    };
    for (const auto& row : rows) {
        SetUp();
        Load("", "[system]\r\n@menu=" + std::string(row.menu) + "\r\n");
        const std::string with = row.with;
        const os::Rect rects[] = {{-301, 50, 100, 151}, {10, 10, 10, 90}, {10, 10, 11, 91}};
        if (with != "" && std::string("wz1").find(with) != std::string::npos) fake::windowRects[kActive] = rects[std::string("wz1").find(with)];
        fake::monitorDpi = with == "d" ? 120 : with == "0" ? 0 : 96;
        if (with == "n") fake::cursor.reset();
        if (with == "b") process::screenMetrics.mouseButtons = 0;
        if (with == "a") {
            process::menuPlacement = PlaceMenu(kWindow, textPage);
            fake::cursor = os::Point{900, 40};
        }
        const MenuPlacement place = PlaceMenu(kWindow, with == "a" ? textPageAgain : textPage);
        std::ostringstream shown;
        shown << place.x << "," << place.y << " " << std::hex << place.flags;
        EXPECT_EQ(shown.str(), row.expected) << row.menu << " " << row.with;
    }
}

// A command chosen with Ctrl held or not and the right button or not.
TEST_F(Machine, Dispatch) {
    const struct { unsigned command; const char *keys, *expected; } rows[] = {
        {cmdVersion, "", ""}, {cmdLineFirst, "", "run C:\\tools\\p.exe 0:10 @C:\\tools\\"},
        {cmdLauncherFirst + 19, "C", "run C:\\tools\\p.exe 19:1 @C:\\tools\\"},  // none marked: line 1
        {cmdTitle, "R", "run C:\\tools\\p.exe 0:1 @C:\\tools\\"}, {cmdLineFirst + 4, "C", "run C:\\tools\\p.exe 0:14 @C:\\tools\\"},
        {cmdLineFirst + 4, "R", "run C:\\tools\\p.exe 0:14 @C:\\tools\\"}, {cmdLineFirst + 5, "", ""},  // beyond the page
        {cmdSettingsFile, "", "run C:\\ed\\ed.exe \"C:\\My Tools\\Qivora.ini\" @C:\\ed\\"},
        {cmdManual, "", "run C:\\ed\\ed.exe C:\\Doc\\Qivora.txt @C:\\ed\\"}, {cmdManual, "E", "open C:\\Doc\\Qivora.txt"},
    };
    for (const auto& row : rows) {
        SetUp();
        fake::AddFile("C:\\ed\\ed.exe", "");
        process::programPaths.settingsPath = "C:\\My Tools\\Qivora.ini";
        process::programPaths.manualPath = "C:\\Doc\\Qivora.txt";
        process::settings.editorPath = std::string(row.keys) == "E" ? "C:\\ed\\missing.exe" : "C:\\ed\\ed.exe";
        Launcher(0, kProgram, "0:%$J");
        Launcher(19, kProgram, "19:%$J");
        Lines({"a", "b", "c", "d", "e"});
        process::menuState.alternateChoice = std::string(row.keys) == "R";
        CarryOutCommand(kWindow, row.command, std::string(row.keys) == "C");
        EXPECT_EQ(Outcome(), row.expected) << row.command << row.keys;
    }
}

// Events in an open menu, each a word: an id highlights that item (m before it: by the mouse), pN an item
// that opens a submenu at position N; M m R r L presses and releases of the middle, right and left buttons;
// sp ins pgdn pgup down key presses (? before: looked at first; ^ after: a release); ! before an input: a
// hook code below 0; C+ C- S+ Ctrl and Shift; Kxy marks items x and y; Gn asks for keyword set n; P the
// kept-text prefix on; O owner drawing; close the menu closing; openN its item N's submenu opening (shown
// after "sub"); shown the menu being open; init, kill and lbtn the messages. Shown: 1 or 0 for each input swallowed, then what changed.
std::string Events(const std::string& events) {
    os::Menu menu = os::CreatePopupMenu(), sub = os::CreatePopupMenu();
    for (unsigned id : {2000u, 2001u, 1040u, 1020u, 1050u, 1051u, 1052u, 1053u, 5000u, 5001u, 5002u, 5003u, 6001u, 6012u, 6014u})
        os::AppendMenuItem(menu, os::kMfString, id, "item");
    std::string swallowed, word;
    const unsigned kPopup = os::kMfPopup << 16, kPress = 1;
    for (std::istringstream in(events); in >> word;) {
        const int code = word[0] == '!' ? -1 : word[0] == '?' ? kHcNoRemove : 0;
        const std::string key = word.substr(code != 0).substr(0, word.size() - (code != 0) - (word.back() == '^'));
        const std::map<std::string, unsigned> buttons = {{"M", kWmMButtonDown}, {"m", kWmMButtonUp}, {"R", kWmRButtonDown},
                                                         {"r", kWmRButtonUp}, {"L", 0x201}};
        const std::map<std::string, int> keys = {{"sp", os::kVkSpace}, {"ins", os::kVkInsert}, {"pgdn", os::kVkNext},
                                                 {"pgup", os::kVkPrior}, {"down", os::kVkDown}};
        if (buttons.count(key)) swallowed += MenuMouseHookAction(code, buttons.at(key)) ? "1" : "0";
        else if (keys.count(key)) swallowed += MenuKeyboardHookAction(code, keys.at(key), word.back() == '^' ? 0xC0000001 : kPress) ? "1" : "0";
        else if (word == "C+" || word == "S+") fake::keysDown.insert(word[0] == 'C' ? os::kVkControl : os::kVkShift);
        else if (word == "C-") fake::keysDown.erase(os::kVkControl);
        else if (word[0] == 'K') Machine::Mark(word.substr(1));
        else if (word[0] == 'G') process::settings.keywordSets.selected[word[1] - '0'] = 2;
        else if (word == "P") process::clipboardPrefix = 1;
        else if (word == "O") process::activeStyle.customFont = 1;
        else if (word == "close") OnMenuSelect(0xFFFF0000u, nullptr);
        else if (word.rfind("open", 0) == 0) OnInitMenuPopup(sub, std::stoi(word.substr(4)));
        else if (word == "init") OnInitMenu();
        else if (word == "kill") OnKillFocus(kWindow);
        else if (word == "shown") process::menuState.menuOpen = 1;
        else if (word == "lbtn") swallowed += std::to_string(OnLButtonDown());
        else if (word[0] == 'p') OnMenuSelect(kPopup | std::stoul(word.substr(1)), menu);
        else OnMenuSelect(std::stoul(word.substr(word[0] == 'm')) | (word[0] == 'm' ? kMfMouseSelect << 16 : 0), menu);
    }
    std::string shown = swallowed;
    for (int k = 0; k < process::menuItems.itemCount; ++k) shown += process::menuItems.items[k].marked ? " marked" + std::to_string(k) : "";
    shown += process::menuItems.markedCount ? " of " + std::to_string(process::menuItems.markedCount) : "";
    shown += process::menuState.alternateChoice ? " alt" : "";
    for (int set = 0; set < kKeywordSetCount; ++set) shown += process::settings.keywordSets.selected[set] ? " set" + std::to_string(set) : "";
    shown += process::settings.keywordSets.filterActive ? " on" : "";
    for (const auto& item : menu->items) shown += item.checked ? " checked" + std::to_string(item.id) : item.ownerDraw ? " drawn" + std::to_string(item.id) : "";
    for (int key : fake::sentKeys) shown += key == os::kVkDown ? " v" : " ^";
    shown += fake::lbuttonPosts ? " posted" : "";
    shown += sub->items.empty() ? "" : " sub " + Machine::Render(sub).substr(0, Machine::Render(sub).find(", -, &>"));
    os::DestroyMenu(menu);
    os::DestroyMenu(sub);
    return shown;
}

TEST_F(Machine, OpenMenu) {
    const struct { const char *events, *expected; } rows[] = {
        {"5001 M", "1 marked1 of 1 checked5001"}, {"5001 !M", "0"}, {"6012 M", "1 set2 on checked6012"}, {"5999 M", "0"},
        {"5002 R", "1 ; clip c; beep"}, {"1051 R", "1 ; clip a|b|c|d; beep"}, {"1050 R", "0"}, {"1020 R", "0 alt"},
        {"6001 R", "0 alt"}, {"5004 R", "0"}, {"R", "0"}, {"1020 r", "0"}, {"5001 L", "0"}, {"1051 M", "0"},
        {"p0 R", "0"}, {"p12 R", "0"},  // a file, the launchers, the keyword sets: a position, no command
        {"1020 R r close", "00 alt"}, {"1020 R 1030", "0"},  // the highlight moving on takes the right press back
        {"5001 R m r r M m", "101011 marked1 of 1 checked5001 ; clip b; beep"},  // a release is swallowed with its press
        {"5000 sp", "1 marked0 of 1 checked5000"}, {"6014 sp", "1 set4 on checked6014"}, {"1051 sp", "0"},
        {"O 5003 sp", "1 marked3 of 1 drawn5003"}, {"5003 sp sp", "11"}, {"5001 sp^", "0"}, {"sp", "0"},
        {"5003 ins", "1 ; clip d; beep"}, {"1051 ins", "1 ; clip a|b|c|d; beep"}, {"1050 ins", "0"}, {"1020 ins", "0"},
        {"5001 ?sp sp sp", "111"}, {"5001 ?ins ?ins", "11 ; clip b|b; beep2"}, {"5001 ?down", "0"}, {"5001 !ins", "0"},
        {"5002 pgdn", "1 marked2 of 1 checked5002 v"}, {"K2 S+ 5002 pgdn", "1 marked2 of 1 checked5002 ^"},
        {"K2 5002 pgup", "1 v"}, {"1020 pgdn", "0"}, {"5004 pgdn", "0"}, {"5001 down", "0"},
        {"P C+ 5000 R C- 5003 ins 1051 ins C+ ins", "1111 ; clip a|b|c|d; beep4"},  // copies add up; Ctrl starts afresh
        {"P 5000 ins", "1 ; clip old|a; beep"}, {"K13 1052 R", "1 marked1 marked3 of 2 ; clip memo.txt b d; beep"},
        {"K13 1053 R", "1 marked1 marked3 of 2 ; clip <bd>; beep"}, {"K13 1051 R", "1 marked1 marked3 of 2 ; clip b|d; beep"},
        {"G4 6014 sp 6012 sp 6014 sp 6012 sp 6014 sp", "11111 set4 on checked6014"},
        {"open0", ""}, {"1020 open1", " sub x"}, {"m1020 open1", " v sub x"},
        {"1020 open2", " sub C:\\tools\\p.exe*, @clip, @clip, @clip"}, {"init", " v"},
        {"kill lbtn", "0"}, {"shown kill lbtn lbtn", "10 posted"},  // focus lost: one click closes the menu
    };
    for (const auto& row : rows) {
        SetUp();
        fake::AddFile("C:\\t\\b.txt", "x");
        process::fileList[1].path = "C:\\t\\b.txt";
        process::fileCount = 2;
        Lines({"a", "b", "c", "d"});
        Launcher(0, kProgram, "\"%P\"");
        Launcher(1, "@clip", "");
        Launcher(2, "@clip", "%N %M");
        Launcher(3, "@clip", "<%T>");
        EXPECT_EQ(AndOutcome(Events(row.events)), row.expected) << row.events;
    }
}

}  // namespace
}  // namespace qv
