#include "menu/launch.h"

#include <string>

#include "common/state.h"
#include "common/text.h"
#include "menu/file_copy.h"
#include "output/clipboard.h"
#include "output/macros.h"
#include "output/marked.h"
#include "output/shell_launch.h"
#include "settings/launchers.h"

namespace qv {

namespace {

// The line of the lowest marked item, or 1 when none is marked.
int FirstMarkedLine() {
    if (process::menuItems.markedCount <= 0) return 1;
    for (int k = 0; k < process::menuItems.itemCount; ++k)
        if (process::menuItems.items[k].marked == 1) return process::menuItems.items[k].lineNumber;
    return 1;
}

// Nothing was read for the page, or the filter left nothing on it.
bool PageIsEmpty() {
    if (process::settings.keywordSets.filterActive == 1) return process::menuItems.itemCount == 0;
    return process::menuItems.linesScanned == 0;
}

void ApplyWithMarks(const LauncherEntry& entry, const Expansion& expansion, ClipboardStart start) {
    const bool clipEntry = ContainsI(entry.target.view(), "@clip");
    if (expansion.markedList != MarkedList::none) {
        MarkedAction action = actionRun;
        if (clipEntry) action = actionCopy;
        else if (expansion.copyRequest != CopyRequest::none) action = actionCopyAndRun;
        RunMarkedLines(expansion, action, start);
        return;
    }
    if (clipEntry) {
        CopyItemsToClipboard(markedItems, 1, start);
        return;
    }
    if (expansion.copyRequest != CopyRequest::none) CopyItemsToClipboard(markedItems, 0, start);
    ShellLaunch(entry.target.view(), expansion.text);
}

void ApplyWithoutMarks(const LauncherEntry& entry, const Expansion& expansion, LineSource source,
                       ClipboardStart start) {
    if (ContainsI(entry.target.view(), "@clip")) {
        if (source == lineSourceFirstMarked && PageIsEmpty()) return;
        if (ContainsI(entry.target.view(), "@clipX")) CopyFilteredFileToClipboard(1, start);
        else CopyItemsToClipboard(allItems, 1, start);
        return;
    }
    if (expansion.markedList != MarkedList::none) return;  // a list of marked lines without any marked line
    const MenuItemTable& table = process::menuItems;
    if (expansion.copyRequest == CopyRequest::pageLines && table.itemCount > 0)
        CopyItemsToClipboard(allItems, 0, start);
    if (expansion.copyRequest == CopyRequest::wholeFile && table.linesScanned > 0)
        CopyFilteredFileToClipboard(0, start);
    ShellLaunch(entry.target.view(), expansion.text);
}

}  // namespace

void ApplyCurrentLauncher(LineSource source, int item, ClipboardStart start) {
    if (process::currentLauncher < 0 || process::currentLauncher >= kMaxLaunchers) return;
    ReadLaunchers(process::currentLauncher + 1);
    // "non file" of an empty folder list: there is no file to apply it to.
    if (process::currentFile < 0 || process::currentFile >= process::fileCount) return;
    const LauncherEntry& entry = process::launchers[process::currentLauncher];
    if (ContainsI(entry.target.view(), "@system")) {
        ShellLaunch("", CurrentFilePath());
        return;
    }
    int lineNumber = 1;
    if (source == lineSourceItem) {
        if (item < 0 || item >= process::menuItems.itemCount) return;
        lineNumber = process::menuItems.items[item].lineNumber;
    } else {
        lineNumber = FirstMarkedLine();
    }
    const Expansion expansion = ExpandMacros(entry.parameters.view(), CurrentFilePath(), lineNumber);
    if (process::menuItems.markedCount > 0) ApplyWithMarks(entry, expansion, start);
    else ApplyWithoutMarks(entry, expansion, source, start);
}

}  // namespace qv
