// The popup menu: building, placing, tracking and the dispatch of the chosen command.
#include "menu/popup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/state.h"
#include "fake_os.h"
#include "menu/dispatch.h"
#include "menu/fixed_items.h"
#include "menu/placement.h"
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
        screenMetrics.screenWidth = 1279;
        screenMetrics.maximizedHeight = 1001;
        screenMetrics.mouseButtons = 3;
        settings.positionMode = positionCenter;
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
            if (rightButton) menuState.alternateChoice = 1;
        });
    }
    // Each file has four lines, the last one empty.
    void SetFiles(int count, int current) {
        for (int i = 0; i < count; ++i) {
            fileList[i].path = "C:\\t\\f" + std::to_string(i) + ".txt";
            fake::AddFile(fileList[i].path.c_str(), "a\nb\nc\n");
        }
        fileCount = count;
        currentFile = current;
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
        EXPECT_TRUE(menuState.menuOpen == 1 && menuState.alternateChoice == 0);
        EXPECT_EQ(fake::hooksInstalled - fake::hooksRemoved, 1);
        EXPECT_EQ(fake::foregroundCalls, int(shown.size()));
    };
    Choose(cmdNextOnPage, [&](os::Menu m) {
        duringTracking(m);
        os::Menu sub = os::CreatePopupMenu(), subsub = os::CreatePopupMenu();  // hung in by the builders
        os::AppendMenuItem(m, 0, 4242, "extra");
        os::AppendMenuItem(sub, 0, 4243, "deeper");
        os::SetMenuItemSubmenu(m, 4242, sub);
        os::SetMenuItemSubmenu(sub, 4243, subsub);
        fake::keysDown.insert(os::kVkShift);
    });
    Choose(cmdGrepAll, [&](os::Menu m) {
        duringTracking(m);
        fake::keysDown.clear();
    });
    Choose(cmdNone, duringTracking);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(fake::hooksRemoved + fake::nullPosts, 6);
    EXPECT_EQ(menuState.menuOpen, 0);
    EXPECT_TRUE(fake::liveMenus.empty());
    EXPECT_EQ(fake::closeCalls, 0);  // closing the window is the caller's part
}

TEST_F(PopupTest, EveryPositionMode) {
    auto active = reinterpret_cast<os::Window>(0x2000);
    const struct { const char* what; int mode, mouseButtons; bool cursor; os::Rect rect; int x, y; unsigned flags; } cases[] = {
        {"centre", positionCenter, 3, true, {}, 639, 500, 0x116},
        {"unknown mode", 7, 3, true, {}, 639, 500, 0x116},
        {"fixed", positionFixed, 3, true, {}, -20, 30, 0x102},
        {"mouse", positionMouse, 3, true, {}, 100, 200, 0x102},
        {"mouse, none installed", positionMouse, 0, true, {}, 639, 500, 0x116},
        {"mouse, no cursor", positionMouse, 3, false, {}, 639, 500, 0x116},
        {"mous2", positionMouse2, 3, true, {}, 100, 200, 0x112},
        {"active", positionActive, 3, true, {-301, 50, 100, 151}, -101, 100, 0x116},
        {"active, no window", positionActive, 3, true, {0, 0, 0, 0}, 639, 500, 0x116},
        {"active, zero width", positionActive, 3, true, {10, 10, 10, 90}, 639, 500, 0x116},
    };
    for (const auto& c : cases) {
        SetUp();
        settings.positionMode = c.mode;
        settings.fixedX = -20;
        settings.fixedY = 30;
        screenMetrics.mouseButtons = c.mouseButtons;
        if (!c.cursor) fake::cursor.reset();
        previousForeground = c.rect.bottom ? active : nullptr;
        fake::windowRects[active] = c.rect;
        ShowPopupMenu(window, fixedOnly);
        ASSERT_EQ(fake::trackCalls.size(), 1u) << c.what;
        const fake::TrackCall& call = fake::trackCalls[0];
        EXPECT_EQ(std::vector<int>({call.x, call.y, int(call.flags)}), std::vector<int>({c.x, c.y, int(c.flags)})) << c.what;
    }
}

TEST_F(PopupTest, ShownAgainWhereTheFirstMenuStoodAfterTheMouseMoved) {
    settings.positionMode = positionMouse2;
    SetFiles(3, 0);
    Choose(cmdNextOnPage, [](os::Menu) { fake::cursor = os::Point{900, 40}; });  // text page again
    ChooseWithKeys(cmdReturnOnPage, false, true);                              // folder list
    Choose(cmdNone);
    ShowPopupMenu(window, textPage);
    ASSERT_EQ(fake::trackCalls.size(), 3u);
    for (const fake::TrackCall& call : fake::trackCalls)
        EXPECT_EQ(std::vector<int>({call.x, call.y, int(call.flags)}), std::vector<int>({100, 200, 0x112}));
}

TEST_F(PopupTest, MenuSelectAndOpeningSubmenus) {
    os::Menu list = os::CreatePopupMenu(), sub = os::CreatePopupMenu();
    OnMenuSelect(0x80001388, list);
    EXPECT_TRUE(menuState.lastSelectedItem == 5000 && menuState.lastSelectByMouse == 1);
    OnMenuSelect(0x0010FFFF, list);
    EXPECT_TRUE(menuState.lastSelectedItem == 0xFFFF && menuState.lastSelectByMouse == 0);

    SetFiles(2, 0);
    menuState.lastSelectedMenu = nullptr;
    EXPECT_EQ(OpeningFileIndex(0), -1);  // nothing selected yet: the root popup
    for (unsigned id : {0u + cmdFileFirst, cmdFileFirst + 1, cmdFileFirst + 2, 0u + cmdTitle})
        os::AppendMenuItem(list, 0, id, "x");
    OnMenuSelect(cmdTitle, list);
    const int expected[] = {0, 1, -1, -1, -1};
    for (int position = 0; position < 5; ++position) EXPECT_EQ(OpeningFileIndex(position), expected[position]);

    // The first item is highlighted on opening, and in submenus opened with the mouse.
    OnInitMenu();
    OnInitMenuPopup(sub, 3);  // opened with the keyboard
    EXPECT_EQ(fake::sentKeys, std::vector<int>{os::kVkDown});
    OnMenuSelect(kMfMouseSelect << 16 | cmdTitle, list);
    OnInitMenuPopup(sub, 3);
    EXPECT_EQ(fake::sentKeys.size(), 2u);
}

TEST_F(PopupTest, SelectionOfAnEarlierShowingIsForgotten) {
    SetFiles(2, 0);
    Choose(cmdNextOnPage, [](os::Menu m) {
        os::AppendMenuItem(m, 0, cmdFileFirst, "f0");
        OnMenuSelect(kMfMouseSelect << 16 | cmdFileFirst, m);
    });
    Choose(cmdNone, [](os::Menu m) { OnInitMenuPopup(m, 0); });  // the new root popup opening
    ShowPopupMenu(window, textPage);
    EXPECT_TRUE(fake::sentKeys.empty());
}

TEST_F(PopupTest, FocusLossDismissesTheMenuAndDoesNothing) {
    OnKillFocus(window);  // no menu open
    Choose(cmdNone, [this](os::Menu) {
        OnKillFocus(window);
        EXPECT_EQ(OnLButtonDown(), 1);
        EXPECT_EQ(OnLButtonDown(), 0);
    });
    ShowPopupMenu(window, fixedOnly);
    EXPECT_EQ(fake::lbuttonPosts, 1);
}

// What the showings cannot see: the launch step's arguments.
TEST_F(PopupTest, PlanOfCommandsThatShowNothingAgain) {
    const struct { unsigned command; bool ctrl, alternate; Step step; int argument; } cases[] = {
        {cmdVersion, false, false, Step::nothing, 0},  {cmdLauncherFirst + 19, true, false, Step::chooseLauncher, 19},
        {cmdTitle, false, true, Step::applyToMarked, 0}, {cmdLineFirst + 4, true, false, Step::applyToItem, 4},
        {cmdLineFirst + 4, false, true, Step::applyToItem, 4}, {cmdLineFirst + 5, false, false, Step::nothing, 0},
    };
    menuItems.itemCount = 5;
    for (const auto& c : cases) {
        menuState.alternateChoice = c.alternate;
        CommandPlan plan = PlanCommand(c.command, c.ctrl);
        EXPECT_TRUE(plan.step == c.step && plan.argument == c.argument) << c.command << " " << c.ctrl << c.alternate;
    }
}

TEST_F(PopupTest, NextAndReturnWrapJumpOrShowTheFolderList) {
    const struct { unsigned command; bool ctrl, shift; int current, expected; bool folderList; } cases[] = {
        {cmdNextOnPage, false, false, 1, 2, false},    {cmdNextOnPage, false, false, 3, 0, false},
        {cmdNextInSubmenu, true, false, 0, 3, false},  {cmdNextOnPage, false, true, 1, 1, true},
        {cmdReturnOnPage, false, false, 2, 1, false},  {cmdReturnOnPage, false, false, 0, 3, false},
        {cmdReturnInSubmenu, true, true, 2, 0, false}, {cmdReturnOnPage, false, true, 2, 2, true},
    };
    for (const auto& c : cases) {
        SetUp();
        SetFiles(4, c.current);
        ChooseWithKeys(c.command, c.ctrl, c.shift);
        Choose(cmdNone);
        ShowPopupMenu(window, textPage);
        ASSERT_EQ(shown.size(), 2u) << c.command;
        EXPECT_EQ(currentFile, c.expected) << c.command << " from " << c.current;
        EXPECT_EQ(shown[1].back() == "&0 Ver.1.06", c.folderList) << c.command;
    }
}

TEST_F(PopupTest, LineItemWithCtrlAndAlternateChoiceShowsThePageAgain) {
    const struct { bool ctrl, shift, rightButton; size_t showings; } cases[] = {
        {true, true, false, 2}, {true, false, true, 2}, {true, false, false, 1}, {false, true, false, 1}};
    for (const auto& c : cases) {
        SetUp();
        SetFiles(1, 0);
        ChooseWithKeys(cmdLineFirst + 2, c.ctrl, c.shift, c.rightButton);
        ShowPopupMenu(window, textPage);
        EXPECT_EQ(fake::trackCalls.size(), c.showings) << c.ctrl << c.shift << c.rightButton;
    }
}

TEST_F(PopupTest, KeywordChoicesShowThePageAgain) {
    const struct { unsigned command; bool ctrl; int selected1, selected3, selectedCount; } cases[] = {
        {cmdGrepAll, false, 0, 0, 0},
        {cmdGrepAll, true, 1, 0, 1},  // with Ctrl the sets toggled in the open menu stay
        {cmdGrepSetFirst + 3, false, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        KeywordSets& sets = settings.keywordSets;
        sets.selected[1] = sets.selectedCount = sets.filterActive = 1;
        ChooseWithKeys(c.command, c.ctrl, false);
        ShowPopupMenu(window, textPage);
        EXPECT_EQ(fake::trackCalls.size(), 2u) << c.command;
        EXPECT_EQ(std::vector<int>({sets.selected[1], sets.selected[3], sets.selectedCount, sets.filterActive}),
                  std::vector<int>({c.selected1, c.selected3, c.selectedCount, c.selectedCount})) << c.command;
    }
}

TEST_F(PopupTest, SettingsFileAndManualOpenWithTheEditorQuoted) {
    const struct { unsigned command; const char *editor, *file, *parameters; } cases[] = {
        {cmdSettingsFile, "", "\"C:\\My Tools\\Qivora.ini\"", ""},
        {cmdSettingsFile, "C:\\ed\\ed.exe", "C:\\ed\\ed.exe", "\"C:\\My Tools\\Qivora.ini\""},
        {cmdManual, "C:\\ed\\missing.exe", "C:\\Doc\\Qivora.txt", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        fake::AddFile("C:\\ed\\ed.exe", "");
        programPaths.settingsPath = "C:\\My Tools\\Qivora.ini";
        programPaths.manualPath = "C:\\Doc\\Qivora.txt";
        settings.editorPath = c.editor;
        Choose(c.command);
        ShowPopupMenu(window, fixedOnly);
        ASSERT_EQ(fake::launches.size(), 1u) << c.editor;
        EXPECT_EQ(fake::launches[0].file + "|" + fake::launches[0].parameters, std::string(c.file) + "|" + c.parameters);
    }
}

}  // namespace
}  // namespace qv
