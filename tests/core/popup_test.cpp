// The popup menu: building, placing, tracking and the dispatch of the chosen command.
#include "menu/popup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"
#include "menu/dispatch.h"
#include "menu/hooks.h"
#include "menu/menu_tables.h"
#include "menu/tracking.h"

namespace qv {
namespace {

using Labels = std::vector<std::string>;
const Labels kFlat = {"&S 設定ファイル", "&H 説明書", "-", "&0 Ver.1.06"};

struct PopupTest : ::testing::Test {
    os::Window window = reinterpret_cast<os::Window>(0x1000);
    std::vector<Labels> shown;  // the root labels of each showing

    void SetUp() override {
        fake::Reset();
        shown.clear();
        process::screenMetrics.screenWidth = 1279;
        process::screenMetrics.maximizedHeight = 1001;
        process::screenMetrics.mouseButtons = 3;
        process::settings.positionMode = positionCenter;
    }
    // The next showing records its labels, runs what the user does, then returns command.
    template <class Action>
    void Choose(int command, Action action) {
        fake::trackScripts.push_back([this, command, action](os::Menu menu) {
            shown.push_back(fake::Labels(menu));
            action(menu);
            return command;
        });
    }
    void Choose(int command) { Choose(command, [](os::Menu) {}); }
    // rightButton: what the mouse hook leaves for an item chosen with the right button.
    void ChooseWithKeys(int command, bool ctrl, bool shift, bool rightButton = false) {
        Choose(command, [=](os::Menu) {
            if (ctrl) fake::keysDown.insert(os::kVkControl);
            if (shift) fake::keysDown.insert(os::kVkShift);
            if (rightButton) process::menuState.alternateChoice = 1;
        });
    }
    // Each file has four lines, the last one empty.
    void SetFiles(int count, int current) {
        for (int i = 0; i < count; ++i) {
            process::fileList[i].path = "C:\\t\\f" + std::to_string(i) + ".txt";
            fake::AddFile(process::fileList[i].path.c_str(), "a\nb\nc\n");
        }
        process::fileCount = count;
        process::currentFile = current;
    }
};

TEST_F(PopupTest, RootContentByMenuType) {
    // No file listed: the folder list says so; the page of a file that is not there, too.
    const Labels nested = {"non file", "-", "&0 Ver.1.06"}, page = {"read error"};
    const std::pair<int, Labels> cases[] = {{fixedOnly, kFlat},      {folderList, nested},   {textPage, page},
                                            {folderListAgain, nested}, {textPageAgain, page}, {99, kFlat}};
    for (auto& [type, labels] : cases) {
        Choose(cmdNone);
        ShowPopupMenu(window, type);
        EXPECT_EQ(shown.back(), labels) << type;
    }
    EXPECT_EQ(shown[0][0].substr(0, 5), "&S \x90\xDD");  // cp932 bytes of 設
}

TEST_F(PopupTest, EachShowingTracksOnceWithHooksAndLeavesNoMenu) {
    SetFiles(3, 0);
    auto duringTracking = [this](os::Menu) {
        EXPECT_TRUE(process::menuState.menuOpen == 1 && process::menuState.alternateChoice == 0);
        EXPECT_EQ(fake::hooksInstalled - fake::hooksRemoved, 1);
        EXPECT_EQ(fake::foregroundCalls, int(shown.size()));
    };
    Choose(cmdNextOnPage, [&](os::Menu m) {
        duringTracking(m);
        os::Menu sub = os::CreatePopupMenu();  // hung in by the builders, with one of its own
        os::AppendMenuItem(m, 0, 4242, "extra");
        os::AppendMenuItem(sub, 0, 4243, "deeper");
        os::SetMenuItemSubmenu(m, 4242, sub);
        os::SetMenuItemSubmenu(sub, 4243, os::CreatePopupMenu());
        fake::keysDown.insert(os::kVkShift);
        process::menuState.lastSelectedMenu = m;  // a right press on a line, its release never seen
        process::menuState.lastSelectedItem = cmdLineFirst;
        EXPECT_TRUE(MenuMouseHookAction(0, kWmRButtonDown));
    });
    Choose(cmdGrepAll, [&](os::Menu m) {
        duringTracking(m);
        EXPECT_FALSE(MenuMouseHookAction(0, kWmRButtonUp));  // a new showing forgets that press
        fake::keysDown.clear();
    });
    Choose(cmdNone, duringTracking);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(fake::hooksRemoved + fake::nullPosts, 6);
    EXPECT_EQ(process::menuState.menuOpen, 0);
    EXPECT_TRUE(fake::liveMenus.empty());
    EXPECT_EQ(fake::closeCalls, 0);  // closing the window is the caller's part
}

TEST_F(PopupTest, EveryPositionMode) {
    auto active = reinterpret_cast<os::Window>(0x2000);
    const struct { const char* what; int mode, mouseButtons; os::Rect rect; int x, y; unsigned flags; int dpi = 96; }
        cases[] = {
        {"centre", positionCenter, 3, {}, 639, 500, 0x116}, {"fixed", positionFixed, 3, {}, -20, 30, 0x102},
        {"fixed at 125 %", positionFixed, 3, {}, -25, 38, 0x102, 120},
        {"mouse at 125 %", positionMouse, 3, {}, 100, 200, 0x102, 120},
        {"fixed, the DPI query failing", positionFixed, 3, {}, -20, 30, 0x102, 0},
        {"mouse", positionMouse, 3, {}, 100, 200, 0x102},
        {"mouse, none installed", positionMouse, 0, {}, 639, 500, 0x116},
        {"mous2", positionMouse2, 3, {}, 100, 200, 0x112},
        {"active", positionActive, 3, {-301, 50, 100, 151}, -101, 100, 0x116},
        {"active, no window", positionActive, 3, {0, 0, 0, 0}, 639, 500, 0x116},
        {"active, zero width", positionActive, 3, {10, 10, 10, 90}, 639, 500, 0x116},
        {"active, one pixel wide", positionActive, 3, {10, 10, 11, 91}, 10, 50, 0x116},
    };
    for (const auto& c : cases) {
        SetUp();
        process::settings.positionMode = c.mode;
        process::settings.fixedX = -20;
        process::settings.fixedY = 30;
        process::screenMetrics.mouseButtons = c.mouseButtons;
        process::previousForeground = c.rect.bottom ? active : nullptr;
        fake::windowRects[active] = c.rect;
        fake::monitorDpi = c.dpi;
        ShowPopupMenu(window, fixedOnly);
        ASSERT_EQ(fake::trackCalls.size(), 1u) << c.what;
        const fake::TrackCall& call = fake::trackCalls[0];
        EXPECT_EQ(std::vector<int>({call.x, call.y, int(call.flags)}), std::vector<int>({c.x, c.y, int(c.flags)})) << c.what;
    }
}

TEST_F(PopupTest, ShownAgainWhereTheFirstMenuStoodAfterTheMouseMoved) {
    process::settings.positionMode = positionMouse2;
    SetFiles(3, 0);
    Choose(cmdNextOnPage, [](os::Menu) { fake::cursor = os::Point{900, 40}; });  // text page again
    ChooseWithKeys(cmdReturnOnPage, false, true);                              // folder list
    Choose(cmdNone);
    ShowPopupMenu(window, textPage);
    ASSERT_EQ(fake::trackCalls.size(), 3u);
    for (const fake::TrackCall& call : fake::trackCalls)
        EXPECT_EQ(std::vector<int>({call.x, call.y, int(call.flags)}), std::vector<int>({100, 200, 0x112}));
}

TEST_F(PopupTest, MenuSelectAndTheFileWhoseSubmenuOpens) {
    os::Menu list = os::CreatePopupMenu();
    OnMenuSelect(0x80001388, list);
    EXPECT_TRUE(process::menuState.lastSelectedItem == 5000 && process::menuState.lastSelectByMouse == 1);
    OnMenuSelect(0x0010FFFF, list);
    EXPECT_TRUE(process::menuState.lastSelectedItem == 0xFFFF && process::menuState.lastSelectByMouse == 0);

    SetFiles(2, 0);
    process::menuState.lastSelectedMenu = nullptr;
    EXPECT_EQ(OpeningFileIndex(0), -1);  // nothing selected yet: the root popup
    for (unsigned id : {0u + cmdFileFirst, cmdFileFirst + 1, cmdFileFirst + 2, 0u + cmdTitle})
        os::AppendMenuItem(list, 0, id, "x");
    OnMenuSelect(cmdTitle, list);
    const int expected[] = {0, 1, -1, -1, -1};
    for (int position = 0; position < 5; ++position) EXPECT_EQ(OpeningFileIndex(position), expected[position]);
    os::Menu submenu = os::CreatePopupMenu();
    OnInitMenuPopup(submenu, 1);  // the second file's submenu opens: its lines fill it
    EXPECT_EQ(process::currentFile, 1);
    EXPECT_EQ(fake::Labels(submenu).front(), "a");
    EXPECT_TRUE(fake::sentKeys.empty());
    OnMenuSelect(0x80000000u | cmdTitle, list);  // opened by the mouse: Down highlights its first item
    OnInitMenuPopup(submenu, 0);
    EXPECT_EQ(fake::sentKeys, std::vector<int>{os::kVkDown});
}

// Focus lost while the menu is open: one posted click closes it, and only that click is taken.
TEST_F(PopupTest, FocusLossPostsOneClick) {
    OnKillFocus(window);  // no menu open
    EXPECT_EQ(fake::lbuttonPosts, 0);
    EXPECT_EQ(OnLButtonDown(), 0);
    process::menuState.menuOpen = 1;
    OnKillFocus(window);
    EXPECT_EQ(fake::lbuttonPosts, 1);
    EXPECT_EQ(OnLButtonDown(), 1);
    EXPECT_EQ(OnLButtonDown(), 0);
}

// Choices that apply a launcher: which one, and to which line.
TEST_F(PopupTest, ChoicesThatApplyALauncher) {
    const struct { unsigned command; bool ctrl, alternate; const char* parameters; } cases[] = {
        {cmdVersion, false, false, ""},          {cmdLauncherFirst + 19, true, false, "19:1"},  // none marked: line 1
        {cmdTitle, false, true, "0:1"},          {cmdLineFirst + 4, true, false, "0:14"},
        {cmdLineFirst, false, false, "0:10"},
        {cmdLineFirst + 4, false, true, "0:14"}, {cmdLineFirst + 5, false, false, ""},  // beyond the table
    };
    for (const auto& c : cases) {
        SetUp();
        fake::AddFile("C:\\p.exe", "");
        testing_items::SetLauncher(0, "C:\\p.exe", "0:%$J");
        testing_items::SetLauncher(19, "C:\\p.exe", "19:%$J");
        testing_items::SetCurrentFile("C:\\t\\a.txt");
        testing_items::SetLines({"a", "b", "c", "d", "e"});
        process::menuState.alternateChoice = c.alternate;
        CarryOutCommand(window, c.command, c.ctrl);
        EXPECT_EQ(fake::launches.empty() ? "" : fake::launches[0].parameters, c.parameters) << c.command;
        EXPECT_TRUE(fake::trackCalls.empty()) << c.command;
    }
    process::fileCount = 0;  // "non file" of an empty folder list
    CarryOutCommand(window, cmdTitle, false);
    EXPECT_TRUE(fake::launches.empty());
}

// What each choice shows next: the page of another file, the folder list, the same page again or nothing.
TEST_F(PopupTest, ChoicesThatShowAMenuAgain) {
    const struct { unsigned command; bool ctrl, shift, right; int current, expected, showings, selected1, count; } cases[] = {
        {cmdNextOnPage, 0, 0, 0, 2, 3, 2, 1, 1},      {cmdNextOnPage, 0, 0, 0, 3, 0, 2, 1, 1},
        {cmdNextInSubmenu, 1, 0, 0, 0, 3, 2, 1, 1},   {cmdNextOnPage, 0, 1, 0, 1, -1, 2, 1, 1},  // -1: folder list
        {cmdReturnOnPage, 0, 0, 0, 2, 1, 2, 1, 1},    {cmdReturnOnPage, 0, 0, 0, 0, 3, 2, 1, 1},
        {cmdReturnOnPage, 0, 0, 0, 1, 0, 2, 1, 1},
        {cmdReturnInSubmenu, 1, 1, 0, 2, 0, 2, 1, 1}, {cmdReturnOnPage, 0, 1, 0, 2, -1, 2, 1, 1},
        {cmdLineFirst + 2, 1, 1, 0, 1, 1, 2, 1, 1},   {cmdLineFirst + 2, 1, 0, 1, 1, 1, 2, 1, 1},
        {cmdLineFirst + 2, 1, 0, 0, 1, 1, 1, 1, 1},   {cmdLineFirst + 2, 0, 1, 0, 1, 1, 1, 1, 1},
        {cmdGrepAll, 0, 0, 0, 1, 1, 2, 0, 0},
        {cmdGrepAll, 1, 0, 0, 1, 1, 2, 1, 1},  // with Ctrl the sets toggled in the open menu stay
        {cmdGrepSetFirst + 3, 0, 0, 0, 1, 1, 2, 0, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        SetFiles(4, c.current);
        KeywordSets& sets = process::settings.keywordSets;
        sets.selected[1] = sets.selectedCount = sets.filterActive = 1;
        ChooseWithKeys(c.command, c.ctrl, c.shift, c.right);
        Choose(cmdNone);
        ShowPopupMenu(window, textPage);
        SCOPED_TRACE(testing::Message() << c.command << " " << c.ctrl << c.shift << c.right << " from " << c.current);
        ASSERT_EQ(int(shown.size()), c.showings);
        EXPECT_EQ(c.showings == 2 && shown[1].back() == "&0 Ver.1.06", c.expected < 0);
        EXPECT_EQ(process::currentFile, c.expected < 0 ? c.current : c.expected);
        EXPECT_EQ(std::vector<int>({sets.selected[1], sets.selectedCount, sets.filterActive}),
                  std::vector<int>({c.selected1, c.count, c.count}));
    }
    SetUp();  // no files listed: "Return" keeps the first place
    SetFiles(0, 0);
    ChooseWithKeys(cmdReturnOnPage, false, false);
    Choose(cmdNone);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(process::currentFile, 0);
}

TEST_F(PopupTest, SettingsFileAndManualOpenWithTheEditorQuoted) {
    const struct { unsigned command; const char *editor, *file, *parameters; } cases[] = {
        {cmdSettingsFile, "C:\\ed\\ed.exe", "C:\\ed\\ed.exe", "\"C:\\My Tools\\Qivora.ini\""},
        {cmdManual, "C:\\ed\\missing.exe", "C:\\Doc\\Qivora.txt", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        fake::AddFile("C:\\ed\\ed.exe", "");
        process::programPaths.settingsPath = "C:\\My Tools\\Qivora.ini";
        process::programPaths.manualPath = "C:\\Doc\\Qivora.txt";
        process::settings.editorPath = c.editor;
        Choose(c.command);
        ShowPopupMenu(window, fixedOnly);
        ASSERT_EQ(fake::launches.size(), 1u) << c.editor;
        EXPECT_EQ(fake::launches[0].file + "|" + fake::launches[0].parameters, std::string(c.file) + "|" + c.parameters);
    }
}

}  // namespace
}  // namespace qv
