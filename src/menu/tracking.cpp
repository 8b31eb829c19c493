#include "menu/tracking.h"

#include "common/state.h"
#include "lines/pages.h"

namespace qv {

// The menu that has just become active opens with its first item highlighted.
void OnInitMenu() { os::SendKeyPress(os::kVkDown); }

int OpeningFileIndex(int position) {
    if (!menuState.lastSelectedMenu) return -1;  // the root popup
    const int id = os::GetMenuItemId(menuState.lastSelectedMenu, position);
    if (id < int(cmdFileFirst) || id > int(cmdFileLast)) return -1;
    const int index = id - int(cmdFileFirst);
    return index < fileCount ? index : -1;
}

void OnInitMenuPopup(os::Menu popup, int position) {
    if (!menuState.lastSelectedMenu) return;
    const int file = OpeningFileIndex(position);
    if (file >= 0) FillFileSubmenu(popup, file);
    // The keyboard highlights a submenu's first item by itself; the mouse does not.
    if (menuState.lastSelectByMouse == 1) os::SendKeyPress(os::kVkDown);
}

void OnMenuSelect(uint32_t wParam, os::Menu menu) {
    menuState.lastSelectedItem = uint16_t(wParam & 0xFFFF);
    menuState.lastSelectedMenu = menu;
    menuState.lastSelectByMouse = (wParam >> 16) & kMfMouseSelect ? 1 : 0;
}

// The posted click reaches the menu's modal loop, which then closes the menu.
void OnKillFocus(os::Window window) {
    if (menuState.menuOpen != 1) return;
    menuState.focusLossPending = 1;
    os::PostLButtonDown(window);
}

int OnLButtonDown() {
    if (menuState.focusLossPending != 1) return 0;
    menuState.focusLossPending = 0;
    return 1;
}

}  // namespace qv
