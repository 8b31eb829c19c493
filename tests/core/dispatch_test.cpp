#include "menu/dispatch.h"

#include "menu/fixed_items.h"
#include "popup_fixture.h"

namespace qv {
namespace {

using DispatchTest = PopupTest;

// What the showings below cannot see: the launch step's arguments.
TEST_F(DispatchTest, PlanOfCommandsThatShowNothingAgain) {
    struct Case {
        unsigned command;
        bool ctrl, alternate;
        Step step;
        int argument;
    } cases[] = {
        {cmdNone, false, false, Step::nothing, 0},
        {cmdVersion, false, false, Step::nothing, 0},
        {cmdMessage, false, false, Step::nothing, 0},
        {cmdSettingsFile, true, false, Step::openSettingsFile, 0},
        {cmdManual, false, true, Step::openManual, 0},
        {cmdLauncherFirst + 19, true, false, Step::chooseLauncher, 19},
        {cmdTitle, false, true, Step::applyToMarked, 0},
        {cmdLineFirst + 4, false, false, Step::applyToItem, 4},
        {cmdLineFirst + 4, true, false, Step::applyToItem, 4},
        {cmdLineFirst + 4, false, true, Step::applyToItem, 4},
        {cmdLineFirst + 5, false, false, Step::nothing, 0},  // beyond itemCount
        {cmdLineLast, false, false, Step::nothing, 0},
        {cmdGrepMenu, false, false, Step::nothing, 0},
    };
    SetItems(5);
    for (const Case& c : cases) {
        menuState.alternateChoice = c.alternate;
        CommandPlan plan = PlanCommand(c.command, c.ctrl);
        EXPECT_EQ(plan.step, c.step) << c.command << " ctrl " << c.ctrl << " alt " << c.alternate;
        EXPECT_EQ(plan.argument, c.argument) << c.command;
    }
}

TEST_F(DispatchTest, NextAndReturnWrapJumpOrShowTheFolderList) {
    struct Case {
        unsigned command;
        bool ctrl, shift;
        int current, expected;
        bool folderList;
    } cases[] = {
        {cmdNextOnPage, false, false, 1, 2, false}, {cmdNextOnPage, false, false, 3, 0, false},
        {cmdNextInSubmenu, true, false, 0, 3, false}, {cmdNextOnPage, false, true, 1, 1, true},
        {cmdReturnOnPage, false, false, 2, 1, false}, {cmdReturnOnPage, false, false, 0, 3, false},
        {cmdReturnInSubmenu, true, true, 2, 0, false}, {cmdReturnOnPage, false, true, 2, 2, true},
    };
    for (const Case& c : cases) {
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
    struct Case {
        int item;
        bool ctrl, shift, rightButton;
        size_t showings;
    } cases[] = {
        {2, true, true, false, 2}, {2, true, false, true, 2}, {2, true, false, false, 1},
        {2, false, true, false, 1}, {4, true, true, false, 1},  // the page has items 0..3 only
    };
    for (const Case& c : cases) {
        SetUp();
        SetFiles(2, 1);
        SetItems(3);
        Choose(cmdLineFirst + c.item, [&](os::Menu) {
            if (c.ctrl) fake::keysDown.insert(os::kVkControl);
            if (c.shift) fake::keysDown.insert(os::kVkShift);
            if (c.rightButton) menuState.alternateChoice = 1;  // what the mouse hook leaves
        });
        ShowPopupMenu(window, textPage);
        EXPECT_EQ(fake::trackCalls.size(), c.showings) << c.item << c.ctrl << c.shift << c.rightButton;
        EXPECT_EQ(currentFile, 1);
    }
}

TEST_F(DispatchTest, KeywordChoicesKeepTheInvariantsAndShowThePageAgain) {
    struct Case {
        unsigned command;
        bool ctrl;
        int selected[kKeywordSetCount], selectedCount, filterActive;
    } cases[] = {
        {cmdGrepAll, false, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
        {cmdGrepAll, true, {0, 1, 0, 1, 2, 0, 0, 0, 0, 0}, 2, 1},
        {cmdGrepSetFirst + 3, false, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, 1, 1},
        {cmdGrepSetFirst + 0, false, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1, 1},
        {cmdGrepSetFirst + 6, true, {0, 1, 0, 1, 2, 0, 0, 0, 0, 0}, 2, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        KeywordSets& sets = settings.keywordSets;
        sets.selected[1] = sets.selected[3] = 1;
        sets.selected[4] = 2;
        sets.selectedCount = 2;
        sets.filterActive = 1;
        Choose(c.command, [&](os::Menu) {
            if (c.ctrl) fake::keysDown.insert(os::kVkControl);
        });
        ShowPopupMenu(window, textPage);
        EXPECT_EQ(fake::trackCalls.size(), 2u) << c.command;
        for (int set = 0; set < kKeywordSetCount; ++set)
            EXPECT_EQ(sets.selected[set], c.selected[set]) << c.command << " set " << set;
        EXPECT_EQ(sets.selectedCount, c.selectedCount) << c.command;
        EXPECT_EQ(sets.filterActive, c.filterActive) << c.command;
    }
}

TEST_F(DispatchTest, SettingsFileAndManualOpenWithTheEditorQuoted) {
    struct Case {
        unsigned command;
        const char* editor;
        fake::Launch launch;
    } cases[] = {
        {cmdSettingsFile, "", {"\"C:\\My Tools\\Qivora.ini\"", "", "", false, false}},
        {cmdSettingsFile, "C:\\ed\\ed.exe", {"C:\\ed\\ed.exe", "\"C:\\My Tools\\Qivora.ini\"", "C:\\ed\\", true, true}},
        {cmdManual, "C:\\ed\\ed.exe", {"C:\\ed\\ed.exe", "C:\\Doc\\Qivora.txt", "C:\\ed\\", true, true}},
        {cmdManual, "C:\\ed\\missing.exe", {"C:\\Doc\\Qivora.txt", "", "", false, false}},
    };
    for (const Case& c : cases) {
        SetUp();
        fake::AddFile("C:\\ed\\ed.exe", "");
        programPaths.settingsPath = "C:\\My Tools\\Qivora.ini";
        programPaths.manualPath = "C:\\Doc\\Qivora.txt";
        settings.editorPath = c.editor;
        Choose(c.command);
        ShowPopupMenu(window, fixedOnly);
        ASSERT_EQ(fake::launches.size(), 1u) << c.editor;
        const fake::Launch& got = fake::launches[0];
        EXPECT_EQ(got.file, c.launch.file) << c.editor;
        EXPECT_EQ(got.parameters, c.launch.parameters) << c.editor;
        EXPECT_EQ(got.folder, c.launch.folder) << c.editor;
        EXPECT_EQ(got.hasParameters, c.launch.hasParameters) << c.editor;
    }
}

TEST_F(DispatchTest, QuotesWholePathsWithSpacesOnly) {
    const std::string longPath = "C:\\" + std::string(250, 'a') + " b.ini";  // 259 bytes
    EXPECT_EQ(QuoteSpaces("C:\\a b\\c.txt"), "\"C:\\a b\\c.txt\"");
    EXPECT_EQ(QuoteSpaces("C:\\\x95\x5C\\c.txt"), "C:\\\x95\x5C\\c.txt");
    EXPECT_EQ(QuoteSpaces(""), "");
    EXPECT_EQ(QuoteSpaces(longPath), '"' + longPath + '"');
}

TEST_F(DispatchTest, LauncherEntryBecomesCurrentAndNothingElseIsShown) {
    SetItems(2);
    Choose(cmdLauncherFirst + 4);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(currentLauncher, 4);
    Choose(cmdTitle);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(currentLauncher, 4);
    EXPECT_EQ(fake::trackCalls.size(), 2u);
}

}  // namespace
}  // namespace qv
