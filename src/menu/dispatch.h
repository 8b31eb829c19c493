// What a chosen command does once the menu is gone.
#pragma once
#include "os/os.h"

namespace qv {

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

// Decides from the command, Ctrl after tracking, alternateChoice and the
// current MenuItemTable; changes nothing.
CommandPlan PlanCommand(unsigned command, bool ctrlHeld);

// Carries out the command; a command that changes what is shown shows the menu
// again (nested) at the place of the last one.
void CarryOutCommand(os::Window window, unsigned command, bool ctrlHeld);

}  // namespace qv
