#include "menu/popup.h"

#include "common/state.h"
#include "lines/folders.h"
#include "lines/pages.h"
#include "menu/dispatch.h"
#include "menu/placement.h"

namespace qv {

namespace {

void FillRootMenu(os::Menu root, int menuType) {
    switch (menuType) {
    case folderList:
    case folderListAgain:
        BuildFolderList(root);
        AppendFixedItems(root, true);
        break;
    case textPage:
    case textPageAgain: BuildFileMenu(root); break;
    default: AppendFixedItems(root, false); break;
    }
}

// Tracks the menu with the hooks in place; the chosen command, 0 for none.
int TrackMenu(os::Window window, os::Menu root, const MenuPlacement& place) {
    process::menuState.menuOpen = 1;
    process::menuState.alternateChoice = 0;
    // What an earlier showing left selected must not pass for this menu's selection.
    process::menuState.lastSelectedItem = 0;
    process::menuState.lastSelectedMenu = nullptr;
    process::menuState.lastSelectByMouse = 0;
    os::SetForegroundWindow(window);  // the menu takes the keyboard and closes on a click elsewhere
    os::InstallMenuHooks(window);
    const int command = os::TrackPopupMenu(root, place.flags, place.x, place.y, window);
    os::PostNullMessage(window);
    os::RemoveMenuHooks();
    return command;
}

}  // namespace

void ShowPopupMenu(os::Window window, int menuType) {
    os::Menu root = os::CreatePopupMenu();
    if (!root) return;
    FillRootMenu(root, menuType);
    process::menuPlacement = PlaceMenu(menuType);
    const int command = TrackMenu(window, root, process::menuPlacement);
    DestroySubmenus(root);
    os::DestroyMenu(root);
    process::menuState.menuOpen = 0;
    process::menuState.lastSelectedMenu = nullptr;

    const bool ctrlHeld = os::IsKeyDown(os::kVkControl);
    if (os::IsKeyDown(os::kVkShift)) process::menuState.alternateChoice = 1;
    if (command > 0) CarryOutCommand(window, unsigned(command), ctrlHeld);
}

void DestroySubmenus(os::Menu menu) {
    const int count = os::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (os::Menu submenu = os::GetSubMenu(menu, position)) {
            DestroySubmenus(submenu);
            os::DestroyMenu(submenu);
        }
    }
}

}  // namespace qv
