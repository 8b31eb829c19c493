#include "menu/hooks.h"

#include <string>

#include "common/state.h"
#include "common/text.h"
#include "lines/filters.h"
#include "output/clipboard.h"
#include "output/macros.h"
#include "output/marked.h"

namespace qv {

namespace {

constexpr uint32_t kKeyReleased = 0x80000000u;

bool Highlighted() { return process::menuState.lastSelectedMenu != nullptr; }

// The line item of the highlighted id, or -1. The table may describe another
// submenu than the one highlighted, so an id beyond itemCount is not a line.
int HighlightedLine() {
    const unsigned id = process::menuState.lastSelectedItem;
    if (!InRange(id, cmdLineFirst, cmdLineLast)) return -1;
    const int k = static_cast<int>(id - cmdLineFirst);
    return k < process::menuItems.itemCount ? k : -1;
}

int HighlightedKeywordSet() {
    const unsigned id = process::menuState.lastSelectedItem;
    return InRange(id, cmdGrepSetFirst, cmdGrepSetLast) ? static_cast<int>(id - cmdGrepSetFirst) : -1;
}

int HighlightedLauncher() {
    const unsigned id = process::menuState.lastSelectedItem;
    return InRange(id, cmdLauncherFirst, cmdLauncherLast) ? static_cast<int>(id - cmdLauncherFirst) : -1;
}

bool IsClipLauncher(int n) { return n >= 0 && ContainsI(process::launchers[n].target.view(), "@clip"); }

void RefreshLineItem(int k) {
    if (!Highlighted()) return;
    if (process::activeStyle.customFont == 1)
        os::SetMenuItemOwnerDraw(process::menuState.lastSelectedMenu, process::menuState.lastSelectedItem);
    else
        os::SetMenuItemChecked(process::menuState.lastSelectedMenu, process::menuState.lastSelectedItem, process::menuItems.items[k].marked == 1);
}

// Copies made while the menu is open accumulate; Ctrl starts afresh.
ClipboardStart StartOfCopy() { return ClipboardStartFor(os::IsKeyDown(os::kVkControl)); }

void CopyLineItem(int k) {
    AppendClipboardText(process::menuItems.items[k].fullText.view(), 1, StartOfCopy());
    process::clipboardPrefix = 1;
}

void CopyForLauncher(int n) {
    const ClipboardStart start = StartOfCopy();
    const Expansion expansion = ExpandMacros(process::launchers[n].parameters.view(), CurrentFilePath(), 1);
    if (process::menuItems.markedCount == 0) CopyItemsToClipboard(allItems, 1, start);
    else if (expansion.markedList != MarkedList::none) RunMarkedLines(expansion, actionCopy, start);
    else CopyItemsToClipboard(markedItems, 1, start);
    process::clipboardPrefix = 1;
}

void ToggleHighlightedKeywordSet(int set) {
    ToggleKeywordSet(set);
    os::SetMenuItemChecked(process::menuState.lastSelectedMenu, process::menuState.lastSelectedItem,
                           process::settings.keywordSets.selected[set] == 1);
}

// Page Down and Page Up step the highlight on; Shift reverses the direction.
void StepHighlight() { os::SendKeyPress(os::IsKeyDown(os::kVkShift) ? os::kVkUp : os::kVkDown); }

bool MiddleButton() {
    if (int k = HighlightedLine(); k >= 0) {
        ToggleItemMark(k);
        return true;
    }
    if (int n = HighlightedKeywordSet(); n >= 0) {
        ToggleHighlightedKeywordSet(n);
        return true;
    }
    return false;
}

bool RightButton() {
    if (int k = HighlightedLine(); k >= 0) {
        CopyLineItem(k);
        return true;
    }
    const unsigned id = process::menuState.lastSelectedItem;
    if (InRange(id, cmdLineFirst, cmdLineLast) || id == cmdNone) return false;  // not a line of the table, or no command
    if (int n = HighlightedLauncher(); n >= 0) {
        if (!IsClipLauncher(n)) return false;
        CopyForLauncher(n);
        return true;
    }
    process::menuState.alternateChoice = 1;  // the menu chooses the item; the dispatch sees the right button
    return false;
}

}  // namespace

// A release over the highlighted item would choose it: the release of a press
// the hook acted on is swallowed with it.
bool MenuMouseHookAction(int code, unsigned message) {
    if (code < 0) return false;
    MenuState& state = process::menuState;
    if (message == kWmRButtonUp || message == kWmMButtonUp) {
        const bool pressActedOn = state.buttonActedOn + 1 == message;
        if (pressActedOn) state.buttonActedOn = 0;
        return pressActedOn;
    }
    if (!Highlighted()) return false;
    bool acted = false;
    if (message == kWmMButtonDown) acted = MiddleButton();
    else if (message == kWmRButtonDown) acted = RightButton();
    if (acted) state.buttonActedOn = message;
    return acted;
}

namespace {
bool KeyDown(unsigned virtualKey) {
    const int k = HighlightedLine();
    switch (virtualKey) {
    case os::kVkSpace:
        return MiddleButton();
    case os::kVkInsert:
        if (k >= 0) {
            CopyLineItem(k);
            return true;
        }
        if (IsClipLauncher(HighlightedLauncher())) {
            CopyForLauncher(HighlightedLauncher());
            return true;
        }
        return false;
    case os::kVkNext:
    case os::kVkPrior:
        if (k < 0) return false;
        SetItemMark(k, virtualKey == os::kVkNext ? 1 : 0);
        StepHighlight();
        return true;
    default:
        return false;
    }
}
}  // namespace

// A menu loop may look at a key (HC_NOREMOVE) and act on it before it removes it
// (Wine's does: Space would choose the item). So the hook acts on the first call
// for a key press, like the mouse hook, and swallows the removal that may follow.
bool MenuKeyboardHookAction(int code, unsigned virtualKey, uint32_t keyData) {
    if (code < 0 || (keyData & kKeyReleased)) return false;
    MenuState& state = process::menuState;
    if (code != kHcNoRemove && state.keyActedEarly == virtualKey && state.keyActedEarlyData == keyData) {
        state.keyActedEarly = 0;
        return true;
    }
    if (!Highlighted() || !KeyDown(virtualKey)) return false;
    if (code == kHcNoRemove) {
        state.keyActedEarly = virtualKey;
        state.keyActedEarlyData = keyData;
    }
    return true;
}

void ToggleItemMark(int item) {
    if (item < 0 || item >= process::menuItems.itemCount) return;
    SetItemMark(item, process::menuItems.items[item].marked != 1);
}

void SetItemMark(int item, int marked) {
    if (item < 0 || item >= process::menuItems.itemCount) return;
    MenuItem& line = process::menuItems.items[item];
    marked = marked ? 1 : 0;
    if (line.marked != marked) {
        line.marked = marked;
        process::menuItems.markedCount += marked == 1 ? 1 : -1;
    }
    RefreshLineItem(item);
}

}  // namespace qv
