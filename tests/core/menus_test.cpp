// The menu while it is open: where it stands, what the hooks do with the
// mouse and the keys, and what the window's messages do.
#include <sstream>
#include <string>

#include "fixture.h"
#include "menu/hooks.h"
#include "menu/popup.h"
#include "menu/tracking.h"

namespace qv {
namespace {

// with: d a monitor at 125 %, 0 a failed DPI query, n no cursor, b no mouse, a the menu shown again after
// the mouse moved. active: the rectangle of the window active at the start, none if empty.
TEST_F(Machine, Placement) {
    const struct { const char *menu, *with; os::Rect active; const char* expected; } rows[] = {
        {"center", "", {}, "960,520 116"}, {"-20,30", "", {}, "-20,30 102"}, {"-20,30", "d", {}, "-25,38 102"},
        {"-20,30", "0", {}, "-20,30 102"}, {"mouse", "d", {}, "100,200 102"}, {"mouse", "n", {}, "960,520 116"},
        {"mouse", "b", {}, "960,520 116"}, {"mous2", "", {}, "100,200 112"}, {"mous2", "a", {}, "100,200 112"},
        {"active", "", {-301, 50, 100, 151}, "-101,100 116"}, {"active", "", {}, "960,520 116"},
        {"active", "", {10, 10, 10, 90}, "960,520 116"},
        {"active", "", {10, 10, 11, 91}, "10,50 116"},  // no width, one
    };
    for (const auto& row : rows) {
        SetUp();
        Load("", "[system]\r\n@menu=" + std::string(row.menu) + "\r\n");
        const std::string with = row.with;
        if (row.active.bottom) fake::windowRects[kActive] = row.active;
        fake::monitorDpi = with == "d" ? 120 : with == "0" ? 0 : 96;
        process::screenMetrics.mouseButtons = with == "b" ? 0 : 3;
        if (with == "n") fake::cursor.reset();
        if (with == "a") process::menuPlacement = PlaceMenu(kWindow, textPage);
        if (with == "a") fake::cursor = os::Point{900, 40};
        const MenuPlacement place = PlaceMenu(kWindow, with == "a" ? textPageAgain : textPage);
        std::ostringstream shown;
        shown << place.x << "," << place.y << " " << std::hex << place.flags;
        EXPECT_EQ(shown.str(), row.expected) << row.menu << " " << row.with;
    }
}

// Events in an open menu, each a word: an id highlights that item (m before it: by the mouse), pN an item
// that opens a submenu at position N; M m R r L presses and releases of the middle, right and left buttons;
// sp ins pgdn pgup down key presses (? before: looked at first; ^ after: a release); ! before an input: a
// hook code below 0; C+ C- S+ Ctrl and Shift; Kxy marks items x and y; Gn asks for keyword set n; P the
// kept-text prefix on; O owner drawing; close the menu closing; openN its item N's submenu opening;
// shown the menu being open; init, kill and lbtn the messages. Shown: 1 or 0 for each input swallowed,
// then what changed.
std::string Events(const std::string& events) {
    os::Menu menu = os::CreatePopupMenu(), sub = os::CreatePopupMenu();
    for (unsigned id : {2000, 2001, 1040, 1020, 1050, 1051, 1052, 1053, 5000, 5001, 5002, 5003, 6001, 6012, 6014})
        os::AppendMenuItem(menu, os::kMfString, id, "item");
    std::string swallowed, word;
    for (std::istringstream in(events); in >> word;) {
        const int code = word[0] == '!' ? -1 : word[0] == '?' ? kHcNoRemove : 0;
        const std::string key = word.substr(code != 0).substr(0, word.size() - (code != 0) - (word.back() == '^'));
        const std::map<std::string, unsigned> buttons = {{"M", kWmMButtonDown}, {"m", kWmMButtonUp},
                                                         {"R", kWmRButtonDown}, {"r", kWmRButtonUp}, {"L", 0x201}};
        const std::map<std::string, int> keys = {{"sp", os::kVkSpace}, {"ins", os::kVkInsert}, {"down", os::kVkDown},
                                                 {"pgdn", os::kVkNext}, {"pgup", os::kVkPrior}};
        const uint32_t data = word.back() == '^' ? 0xC0000001 : 1;  // a release, or a press
        if (buttons.count(key)) swallowed += MenuMouseHookAction(code, buttons.at(key)) ? "1" : "0";
        else if (keys.count(key)) swallowed += MenuKeyboardHookAction(code, keys.at(key), data) ? "1" : "0";
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
        else if (word[0] == 'p') OnMenuSelect(os::kMfPopup << 16 | std::stoul(word.substr(1)), menu);
        else OnMenuSelect(std::stoul(word.substr(word[0] == 'm')) | (word[0] == 'm' ? kMfMouseSelect << 16 : 0), menu);
    }
    const MenuItemTable& lines = process::menuItems;
    const KeywordSets& k = process::settings.keywordSets;
    std::string shown = swallowed, marked, sets;
    for (int k = 0; k < lines.itemCount; ++k) marked += lines.items[k].marked ? std::to_string(k) : "";
    if (!marked.empty() || lines.markedCount) shown += " marked " + marked + " of " + std::to_string(lines.markedCount);
    shown += process::menuState.alternateChoice ? " alt" : "";
    for (int set = 0; set < kKeywordSetCount; ++set) sets += k.selected[set] ? std::to_string(set) : "";
    if (!sets.empty() || k.selectedCount || k.filterActive)
        shown += " sets " + sets + " of " + std::to_string(k.selectedCount) + (k.filterActive ? " on" : "");
    for (const auto& item : menu->items) {  // an owner-drawn item by what it draws
        std::string drawn;
        if (item.flags & os::kMfChecked) shown += " checked " + std::to_string(item.id);
        else if (item.flags & os::kMfOwnerDraw && OwnerDrawLabel(item.id, &drawn)) shown += " drawn " + drawn;
    }
    for (int key : fake::sentKeys) shown += key == os::kVkDown ? " v" : " ^";
    shown += fake::lbuttonPosts ? " posted" : "";
    const std::string opened = Machine::Render(sub);
    shown += opened.empty() ? "" : " sub " + opened.substr(0, opened.find(", -, &>"));
    os::DestroyMenu(menu);
    os::DestroyMenu(sub);
    return shown;
}

TEST_F(Machine, OpenMenu) {
    const struct { const char *events, *expected; } rows[] = {
        {"5001 M", "1 marked 1 of 1 checked 5001"}, {"5001 !M", "0"}, {"6012 M", "1 sets 2 of 1 on checked 6012"},
        {"5999 M", "0"}, {"5002 R", "1 ; clip c; beep"}, {"1051 R", "1 ; clip a|b|c|d; beep"}, {"1050 R", "0"},
        {"1020 R", "0 alt"}, {"5004 R", "0"}, {"R", "0"}, {"1020 r", "0"}, {"5001 L", "0"},
        {"p12 R", "0"},  // the launchers or the keyword sets: a position, no command
        {"1020 R r close", "00 alt"}, {"1020 R 1030", "0"},  // the highlight moving on takes the right press back
        {"5001 R m r r M m", "101011 marked 1 of 1 checked 5001 ; clip b; beep"},  // a release goes with its press
        {"5000 sp", "1 marked 0 of 1 checked 5000"}, {"6014 sp", "1 sets 4 of 1 on checked 6014"},
        {"O 5003 sp", "1 marked 3 of 1 drawn *  d"}, {"5003 sp sp", "11"}, {"5001 sp^", "0"},
        {"5003 ins", "1 ; clip d; beep"}, {"1051 ins", "1 ; clip a|b|c|d; beep"}, {"1050 ins", "0"},
        {"5001 ?sp sp sp", "111"}, {"5001 ?ins ?ins", "11 ; clip b|b; beep2"},
        {"5002 pgdn", "1 marked 2 of 1 checked 5002 v"}, {"K2 S+ 5002 pgdn", "1 marked 2 of 1 checked 5002 ^"},
        {"K2 5002 pgup", "1 v"}, {"1020 pgdn", "0"}, {"5001 down", "0"},
        {"P C+ 5000 R C- 5003 ins 1051 ins C+ ins", "1111 ; clip a|b|c|d; beep4"},  // copies add up; Ctrl starts afresh
        {"P 5000 ins", "1 ; clip old|a; beep"}, {"K13 1052 R", "1 marked 13 of 2 ; clip memo.txt b d; beep"},
        {"K13 1053 R", "1 marked 13 of 2 ; clip <bd>; beep"}, {"K13 1051 R", "1 marked 13 of 2 ; clip b|d; beep"},
        {"G4 6014 sp 6012 sp 6014 sp 6012 sp 6014 sp", "11111 sets 4 of 1 on checked 6014"}, {"open0", ""},
        {"1020 open1", " sub x"}, {"m1020 open1", " v sub x"},
        {"1020 open2", " sub C:\\tools\\p.exe*, @clip, @clip, @clip"}, {"init", " v"}, {"kill lbtn", "0"},
        {"shown kill lbtn lbtn", "10 posted"},  // focus lost: one click closes the menu
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
