#include "menu/launch.h"

#include <string>

#include "common/state.h"
#include "common/text.h"
#include "menu/file_copy.h"
#include "output/clipboard.h"
#include "output/macros.h"
#include "output/marked.h"
#include "output/shell_launch.h"

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

void ApplyWithMarks(const LauncherEntry& entry, const std::string& text, bool ctrlHeld) {
    const bool clipEntry = ContainsI(entry.target.view(), "@clip");
    if (process::listMode != 0) {
        MarkedAction action = clipEntry ? actionCopy : process::copyRequest >= 1 ? actionCopyAndRun : actionRun;
        if (action != actionRun && ctrlHeld) process::clipboardPrefix = 0;
        if (process::listMode <= 2) RunMarkedArguments(text, action);
        else RunMarkedText(text, action);
        return;
    }
    if (clipEntry) {
        if (ctrlHeld) process::clipboardPrefix = 0;
        CopyItemsToClipboard(markedItems, 1);
        return;
    }
    if (process::copyRequest >= 1) {
        if (ctrlHeld) process::clipboardPrefix = 0;
        CopyItemsToClipboard(markedItems, 0);
    }
    ShellLaunch(entry.target.view(), text);
}

void ApplyWithoutMarks(const LauncherEntry& entry, const std::string& text, LineSource source, bool ctrlHeld) {
    if (ContainsI(entry.target.view(), "@clip")) {
        if (source == lineSourceFirstMarked && PageIsEmpty()) return;
        if (ctrlHeld) process::clipboardPrefix = 0;
        if (ContainsI(entry.target.view(), "@clipX")) CopyFilteredFileToClipboard(1);
        else CopyItemsToClipboard(allItems, 1);
        return;
    }
    if (process::listMode != 0) return;  // a list of marked lines without any marked line
    if (process::copyRequest == 1 && process::menuItems.itemCount > 0) {
        if (ctrlHeld) process::clipboardPrefix = 0;
        CopyItemsToClipboard(allItems, 0);
    }
    if (process::copyRequest == 2 && process::menuItems.linesScanned > 0) {
        if (ctrlHeld) process::clipboardPrefix = 0;
        CopyFilteredFileToClipboard(0);
    }
    ShellLaunch(entry.target.view(), text);
}

}  // namespace

void ApplyCurrentLauncher(LineSource source, int item, bool ctrlHeld) {
    if (process::currentLauncher < 0 || process::currentLauncher >= kMaxLaunchers) return;
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
    // Held whole: an expansion may reach 1039 bytes.
    const std::string text = ExpandMacros(entry.parameters.view(), CurrentFilePath(), lineNumber);
    if (process::menuItems.markedCount > 0) ApplyWithMarks(entry, text, ctrlHeld);
    else ApplyWithoutMarks(entry, text, source, ctrlHeld);
}

}  // namespace qv
