#include "menu/dispatch.h"

#include "common/state.h"
#include "lines/filters.h"
#include "menu/launch.h"
#include "menu/popup.h"
#include "output/shell_launch.h"

namespace qv {

namespace {

// A list of no files keeps the first place rather than leave the table.
int NextFile() {
    const int current = process::currentFile;
    return current < 0 || current + 1 >= process::fileCount ? 0 : current + 1;
}
int PreviousFile() {
    if (process::fileCount <= 0) return 0;
    const int previous = process::currentFile - 1;
    return previous < 0 || previous >= process::fileCount ? process::fileCount - 1 : previous;
}

// "Next" and "Return": Ctrl goes to the last or the first file, the right
// button or Shift back to the folder list. The menu type to show next.
int MoveFile(bool forward, bool ctrlHeld) {
    if (ctrlHeld) process::currentFile = forward ? (process::fileCount > 0 ? process::fileCount - 1 : 0) : 0;
    else if (process::menuState.alternateChoice == 1) return folderListAgain;
    else process::currentFile = forward ? NextFile() : PreviousFile();
    return textPageAgain;
}

// A line item: the launcher applied to it, or with Ctrl and the right button
// or Shift the page again (marks were made in the open menu).
void ChooseLine(os::Window window, int item, bool ctrlHeld, ClipboardStart start) {
    if (item >= process::menuItems.itemCount) return;
    if (ctrlHeld && process::menuState.alternateChoice == 1) ShowPopupMenu(window, textPageAgain);
    else ApplyCurrentLauncher(lineSourceItem, item, start);
}

// A keyword-set choice shows the page again; with Ctrl the sets stay as they
// were toggled in the open menu.
void ChooseKeywordSets(os::Window window, int onlySet, bool ctrlHeld) {
    if (!ctrlHeld) SelectKeywordSets(onlySet);
    ShowPopupMenu(window, textPageAgain);
}

}  // namespace

void CarryOutCommand(os::Window window, unsigned command, bool ctrlHeld) {
    const ClipboardStart start = ClipboardStartFor(ctrlHeld);
    switch (command) {
    case cmdSettingsFile: OpenWithEditor(process::programPaths.settingsPath.view()); return;
    case cmdManual: OpenWithEditor(process::programPaths.manualPath.view()); return;
    case cmdTitle: ApplyCurrentLauncher(lineSourceFirstMarked, 0, start); return;
    case cmdNextInSubmenu:
    case cmdNextOnPage: ShowPopupMenu(window, MoveFile(true, ctrlHeld)); return;
    case cmdReturnInSubmenu:
    case cmdReturnOnPage: ShowPopupMenu(window, MoveFile(false, ctrlHeld)); return;
    case cmdGrepAll: ChooseKeywordSets(window, -1, ctrlHeld); return;
    default: break;
    }
    if (InRange(command, cmdLauncherFirst, cmdLauncherLast)) {
        process::currentLauncher = int(command - cmdLauncherFirst);
        ApplyCurrentLauncher(lineSourceFirstMarked, 0, start);
    } else if (InRange(command, cmdLineFirst, cmdLineLast)) {
        ChooseLine(window, int(command - cmdLineFirst), ctrlHeld, start);
    } else if (InRange(command, cmdGrepSetFirst, cmdGrepSetLast)) {
        ChooseKeywordSets(window, int(command - cmdGrepSetFirst), ctrlHeld);
    }
}

}  // namespace qv
