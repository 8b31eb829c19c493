#include "menu/dispatch.h"

#include "common/state.h"
#include "lines/filters.h"
#include "menu/launch.h"
#include "menu/popup.h"
#include "output/shell_launch.h"

namespace qv {

namespace {

enum class Step {
    nothing,
    openSettingsFile,
    openManual,
    chooseLauncher,   // argument: the launcher entry, then applied to the first marked line
    applyToMarked,    // the current launcher with the first marked line
    applyToItem,      // argument: the line item
    nextFile,
    previousFile,
    lastFile,
    firstFile,
    folderList,       // the folder list again
    pageAgain,        // the text page again, nothing changed
    allKeywordSets,   // every set off, then the page again
    oneKeywordSet,    // argument: the only set on, then the page again
};

struct CommandPlan {
    Step step = Step::nothing;
    int argument = 0;
};

CommandPlan Plan(Step step, int argument = 0) { return {step, argument}; }

CommandPlan PlanFileMove(bool forward, bool ctrlHeld) {
    if (ctrlHeld) return Plan(forward ? Step::lastFile : Step::firstFile);
    if (process::menuState.alternateChoice == 1) return Plan(Step::folderList);
    return Plan(forward ? Step::nextFile : Step::previousFile);
}

// A list of no files keeps the first place rather than leave the table.
int NextFile() { return process::currentFile < 0 || process::currentFile + 1 >= process::fileCount ? 0 : process::currentFile + 1; }
int PreviousFile() {
    if (process::fileCount <= 0) return 0;
    const int previous = process::currentFile - 1;
    return previous < 0 || previous >= process::fileCount ? process::fileCount - 1 : previous;
}

// Decides from the command, Ctrl, alternateChoice and the MenuItemTable; changes nothing.
CommandPlan PlanCommand(unsigned command, bool ctrlHeld) {
    if (command == cmdSettingsFile) return Plan(Step::openSettingsFile);
    if (command == cmdManual) return Plan(Step::openManual);
    if (InRange(command, cmdLauncherFirst, cmdLauncherLast))
        return Plan(Step::chooseLauncher, int(command - cmdLauncherFirst));
    if (command == cmdTitle) return Plan(Step::applyToMarked);
    if (command == cmdNextInSubmenu || command == cmdNextOnPage) return PlanFileMove(true, ctrlHeld);
    if (command == cmdReturnInSubmenu || command == cmdReturnOnPage) return PlanFileMove(false, ctrlHeld);
    if (InRange(command, cmdLineFirst, cmdLineLast)) {
        const int item = int(command - cmdLineFirst);
        if (item >= process::menuItems.itemCount) return Plan(Step::nothing);
        if (ctrlHeld && process::menuState.alternateChoice == 1) return Plan(Step::pageAgain);
        return Plan(Step::applyToItem, item);
    }
    // With Ctrl the keyword choices only show the page again: sets are toggled in the open menu.
    if (command == cmdGrepAll) return Plan(ctrlHeld ? Step::pageAgain : Step::allKeywordSets);
    if (InRange(command, cmdGrepSetFirst, cmdGrepSetLast))
        return ctrlHeld ? Plan(Step::pageAgain) : Plan(Step::oneKeywordSet, int(command - cmdGrepSetFirst));
    return Plan(Step::nothing);
}

}  // namespace

void CarryOutCommand(os::Window window, unsigned command, bool ctrlHeld) {
    const CommandPlan plan = PlanCommand(command, ctrlHeld);
    const ClipboardStart start = ClipboardStartFor(ctrlHeld);
    int showAgain = textPageAgain;
    switch (plan.step) {
    case Step::nothing: return;
    case Step::openSettingsFile: OpenWithEditor(process::programPaths.settingsPath.view()); return;
    case Step::openManual: OpenWithEditor(process::programPaths.manualPath.view()); return;
    case Step::chooseLauncher:
        process::currentLauncher = plan.argument;
        ApplyCurrentLauncher(lineSourceFirstMarked, 0, start);
        return;
    case Step::applyToMarked: ApplyCurrentLauncher(lineSourceFirstMarked, 0, start); return;
    case Step::applyToItem: ApplyCurrentLauncher(lineSourceItem, plan.argument, start); return;
    case Step::nextFile: process::currentFile = NextFile(); break;
    case Step::previousFile: process::currentFile = PreviousFile(); break;
    case Step::lastFile: process::currentFile = process::fileCount > 0 ? process::fileCount - 1 : 0; break;
    case Step::firstFile: process::currentFile = 0; break;
    case Step::folderList: showAgain = folderListAgain; break;
    case Step::pageAgain: break;
    case Step::allKeywordSets: SelectKeywordSets(-1); break;
    case Step::oneKeywordSet: SelectKeywordSets(plan.argument); break;
    }
    ShowPopupMenu(window, showAgain);
}

}  // namespace qv
