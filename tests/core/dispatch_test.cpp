#include "menu/dispatch.h"

#include "menu/fixed_items.h"
#include "popup_fixture.h"

namespace qv {
namespace {

using DispatchTest = PopupTest;

// What the showings below cannot see: the launch step's arguments.
TEST_F(DispatchTest, PlanOfCommandsThatShowNothingAgain) {
    const struct {
        unsigned command;
        bool ctrl, alternate;
        Step step;
        int argument;
    } cases[] = {
        {cmdVersion, false, false, Step::nothing, 0},
        {cmdSettingsFile, true, false, Step::openSettingsFile, 0},
        {cmdManual, false, true, Step::openManual, 0},
        {cmdLauncherFirst + 19, true, false, Step::chooseLauncher, 19},
        {cmdTitle, false, true, Step::applyToMarked, 0},
        {cmdLineFirst + 4, true, false, Step::applyToItem, 4},
        {cmdLineFirst + 4, false, true, Step::applyToItem, 4},
        {cmdLineFirst + 5, false, false, Step::nothing, 0},  // beyond itemCount
        {cmdGrepMenu, false, false, Step::nothing, 0},
    };
    SetItems(5);
    for (const auto& c : cases) {
        menuState.alternateChoice = c.alternate;
        CommandPlan plan = PlanCommand(c.command, c.ctrl);
        EXPECT_EQ(plan.step, c.step) << c.command << " ctrl " << c.ctrl << " alt " << c.alternate;
        EXPECT_EQ(plan.argument, c.argument) << c.command;
    }
}

TEST_F(DispatchTest, NextAndReturnWrapJumpOrShowTheFolderList) {
    const struct {
        unsigned command;
        bool ctrl, shift;
        int current, expected;
        bool folderList;
    } cases[] = {
        {cmdNextOnPage, false, false, 1, 2, false},    {cmdNextOnPage, false, false, 3, 0, false},
        {cmdNextInSubmenu, true, false, 0, 3, false},  {cmdNextOnPage, false, true, 1, 1, true},
        {cmdReturnOnPage, false, false, 2, 1, false},  {cmdReturnOnPage, false, false, 0, 3, false},
        {cmdReturnInSubmenu, true, true, 2, 0, false}, {cmdReturnOnPage, false, true, 2, 2, true},
    };
    for (const auto& c : cases) {
        SetUp();
        SetFiles(4, c.current);
        Choose(c.command, [&](os::Menu) {
            if (c.ctrl) fake::keysDown.insert(os::kVkControl);
            if (c.shift) fake::keysDown.insert(os::kVkShift);
        });
        Choose(cmdNone);
        ShowPopupMenu(window, textPage);
        ASSERT_EQ(shown.size(), 2u) << c.command;
        EXPECT_EQ(currentFile, c.expected) << c.command << " from " << c.current;
        EXPECT_EQ(IsFolderList(shown[1]), c.folderList) << c.command;
    }
}

TEST_F(DispatchTest, LineItemWithCtrlAndAlternateChoiceShowsThePageAgain) {
    const struct {
        bool ctrl, shift, rightButton;
        size_t showings;
    } cases[] = {{true, true, false, 2}, {true, false, true, 2}, {true, false, false, 1}, {false, true, false, 1}};
    for (const auto& c : cases) {
        SetUp();
        SetFiles(1, 0);  // its page has items 0..3
        Choose(cmdLineFirst + 2, [&](os::Menu) {
            if (c.ctrl) fake::keysDown.insert(os::kVkControl);
            if (c.shift) fake::keysDown.insert(os::kVkShift);
            if (c.rightButton) menuState.alternateChoice = 1;  // what the mouse hook leaves
        });
        ShowPopupMenu(window, textPage);
        EXPECT_EQ(fake::trackCalls.size(), c.showings) << c.ctrl << c.shift << c.rightButton;
    }
}

TEST_F(DispatchTest, KeywordChoicesShowThePageAgain) {
    const struct {
        unsigned command;
        bool ctrl;
        int selected1, selected3, selectedCount;
    } cases[] = {
        {cmdGrepAll, false, 0, 0, 0},
        {cmdGrepAll, true, 1, 0, 1},  // with Ctrl the sets toggled in the open menu stay
        {cmdGrepSetFirst + 3, false, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        KeywordSets& sets = settings.keywordSets;
        sets.selected[1] = sets.selectedCount = sets.filterActive = 1;
        Choose(c.command, [&](os::Menu) {
            if (c.ctrl) fake::keysDown.insert(os::kVkControl);
        });
        ShowPopupMenu(window, textPage);
        EXPECT_EQ(fake::trackCalls.size(), 2u) << c.command;
        EXPECT_EQ(sets.selected[1], c.selected1) << c.command;
        EXPECT_EQ(sets.selected[3], c.selected3) << c.command;
        EXPECT_EQ(sets.selectedCount, c.selectedCount) << c.command;
        EXPECT_EQ(sets.filterActive, c.selectedCount) << c.command;
    }
}

TEST_F(DispatchTest, SettingsFileAndManualOpenWithTheEditorQuoted) {
    const struct {
        unsigned command;
        const char *editor, *file, *parameters;
    } cases[] = {
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
        EXPECT_EQ(fake::launches[0].file, c.file) << c.editor;
        EXPECT_EQ(fake::launches[0].parameters, c.parameters) << c.editor;
    }
}

TEST_F(DispatchTest, LauncherEntryBecomesCurrentAndNothingElseIsShown) {
    SetItems(2);
    Choose(cmdLauncherFirst + 4);
    Choose(cmdTitle);
    ShowPopupMenu(window, textPage);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(currentLauncher, 4);
    EXPECT_EQ(fake::trackCalls.size(), 2u);
}

}  // namespace
}  // namespace qv
