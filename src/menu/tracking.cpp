#include "menu/tracking.h"

#include "common/state.h"
#include "menu/menu_tables.h"
#include "menu/pages.h"
#include "settings/launchers.h"

namespace qv {

// The menu that has just become active opens with its first item highlighted.
void OnInitMenu() { os::SendKeyPress(os::kVkDown); }

int OpeningFileIndex(int position) {
    if (!process::menuState.lastSelectedMenu) return -1;  // the root popup
    const int id = os::GetMenuItemId(process::menuState.lastSelectedMenu, position);
    if (id < int(cmdFileFirst) || id > int(cmdFileLast)) return -1;
    const int index = id - int(cmdFileFirst);
    return index < process::fileCount ? index : -1;
}

void OnInitMenuPopup(os::Menu popup, int position) {
    if (!process::menuState.lastSelectedMenu) return;
    const int file = OpeningFileIndex(position);
    if (file >= 0) FillFileSubmenu(popup, file);
    if (os::GetMenuItemId(process::menuState.lastSelectedMenu, position) == int(cmdLauncherMenu))
        FillLauncherSubmenu(popup);
    // The keyboard highlights a submenu's first item by itself; the mouse does not.
    if (process::menuState.lastSelectByMouse == 1) os::SendKeyPress(os::kVkDown);
}

// The menu is shown and waits for the user: the launchers are read now, so
// that neither a submenu nor a choice waits for their lookups.
void OnEnterIdle() { ReadLaunchers(kMaxLaunchers); }

void OnMenuSelect(uint32_t wParam, os::Menu menu) {
    MenuState& state = process::menuState;
    const unsigned flags = wParam >> 16;
    // An item that opens a submenu comes by its position, which is no command.
    const uint16_t item = flags & os::kMfPopup ? uint16_t(cmdNone) : uint16_t(wParam & 0xFFFF);
    // A right press left to the menu belongs to the item it was pressed on: the
    // highlight moving on (not the menu closing) takes it back.
    if (menu && (item != state.lastSelectedItem || menu != state.lastSelectedMenu)) state.alternateChoice = 0;
    state.lastSelectedItem = item;
    state.lastSelectedMenu = menu;
    state.lastSelectByMouse = flags & kMfMouseSelect ? 1 : 0;
}

// The posted click reaches the menu's modal loop, which then closes the menu.
void OnKillFocus(os::Window window) {
    if (process::menuState.menuOpen != 1) return;
    process::menuState.focusLossPending = 1;
    os::PostLButtonDown(window);
}

int OnLButtonDown() {
    if (process::menuState.focusLossPending != 1) return 0;
    process::menuState.focusLossPending = 0;
    return 1;
}

}  // namespace qv
