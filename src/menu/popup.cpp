#include "menu/popup.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "common/path_split.h"
#include "menu/dispatch.h"
#include "menu/hooks.h"
#include "menu/menu_tables.h"
#include "menu/pages.h"

namespace qv {

namespace {

constexpr unsigned kCentred = os::kTpmCenterAlign | os::kTpmVCenterAlign;
constexpr int kBaseDpi = 96;  // 100 %

MenuPlacement ScreenCentre() {
    const ScreenMetrics& screen = process::screenMetrics;
    return {screen.screenWidth / 2, screen.maximizedHeight / 2, kTrackBaseFlags | kCentred};
}

MenuPlacement OverActiveWindow() {
    os::Rect rect;
    if (!process::previousForeground || !os::GetWindowRect(process::previousForeground, &rect)) return ScreenCentre();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return ScreenCentre();
    return {rect.left + width / 2, rect.top + height / 2, kTrackBaseFlags | kCentred};
}

// Without a mouse, or without a cursor position to read, the screen centre stands in.
MenuPlacement AtCursor(unsigned alignment) {
    os::Point cursor;
    if (process::screenMetrics.mouseButtons == 0 || !os::GetCursorPos(&cursor)) return ScreenCentre();
    return {cursor.x, cursor.y, kTrackBaseFlags | alignment};
}

MenuPlacement ByPositionMode() {
    switch (process::settings.positionMode) {
    case positionActive: return OverActiveWindow();
    case positionFixed: return {process::settings.fixedX, process::settings.fixedY, kTrackBaseFlags};
    case positionMouse: return AtCursor(0);
    case positionMouse2: return AtCursor(os::kTpmVCenterAlign);
    default: return ScreenCentre();
    }
}

void AppendFileItem(os::Menu root, unsigned flags, int index) {
    PathParts parts = SplitPath(process::fileList[index].path.view());
    std::string label = parts.name + parts.extension;
    os::AppendMenuItem(root, flags, cmdFileFirst + unsigned(index), label.c_str());
}

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
    MenuState& state = process::menuState;
    state.menuOpen = 1;
    state.alternateChoice = 0;
    // What an earlier showing left selected must not pass for this menu's selection.
    state.lastSelectedItem = 0;
    state.lastSelectedMenu = nullptr;
    state.lastSelectByMouse = 0;
    state.buttonActedOn = 0;
    os::SetForegroundWindow(window);  // the menu takes the keyboard and closes on a click elsewhere
    os::InstallMenuHooks(window, {MenuMouseHookAction, MenuKeyboardHookAction});
    const int command = os::TrackPopupMenu(root, place.flags, place.x, place.y, window);
    os::PostNullMessage(window);
    os::RemoveMenuHooks();
    return command;
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

}  // namespace

MenuPlacement PlaceMenu(os::Window window, int menuType) {
    if (menuType == folderListAgain || menuType == textPageAgain) {
        MenuPlacement stored = process::menuPlacement;
        stored.flags |= kTrackBaseFlags;  // the choice must come back as the result
        return stored;
    }
    MenuPlacement place = ByPositionMode();
    // The fixed point picks its monitor as written; only then is it scaled.
    place.dpi = os::GetMonitorDpi(window, {place.x, place.y});
    if (process::settings.positionMode == positionFixed) {
        place.x = ScaleToDpi(place.x, place.dpi);
        place.y = ScaleToDpi(place.y, place.dpi);
    }
    return place;
}

int ScaleToDpi(int pixels, int dpi) {
    if (dpi <= kBaseDpi) return pixels;
    const int64_t scaled = int64_t(pixels) * dpi, half = pixels < 0 ? -kBaseDpi / 2 : kBaseDpi / 2;
    return int(std::clamp<int64_t>((scaled + half) / kBaseDpi, INT_MIN, INT_MAX));
}

void BuildFolderList(os::Menu root) {
    if (process::fileCount == 0) {
        os::AppendMenuItem(root, os::kMfString, cmdTitle, "non file");
        return;
    }
    int inColumn = 0;
    bool breakPending = false;
    int lastFolder = 0;
    for (int i = 0; i < process::fileCount; ++i) {
        if (inColumn >= process::screenMetrics.itemsPerPage) breakPending = true;
        unsigned flags = os::kMfString;
        // A column ends only where the folder changes.
        const FileEntry& file = process::fileList[i];
        if (file.folderNumber != lastFolder) {
            if (breakPending || process::settings.folderGrouping == 2) {
                flags = os::kMfMenuBarBreak;
                inColumn = 0;
                breakPending = false;
            } else if (process::settings.folderGrouping == 1) {
                os::AppendMenuItem(root, os::kMfSeparator, cmdFolderSeparator, nullptr);
                ++inColumn;
            }
            lastFolder = file.folderNumber;
        }
        AppendFileItem(root, flags, i);
        ++inColumn;
        os::SetMenuItemSubmenu(root, cmdFileFirst + unsigned(i), os::CreateMenu());
    }
}

void ShowPopupMenu(os::Window window, int menuType) {
    os::Menu root = os::CreatePopupMenu();
    if (!root) return;
    FillRootMenu(root, menuType);
    process::menuPlacement = PlaceMenu(window, menuType);
    const int command = TrackMenu(window, root, process::menuPlacement);
    DestroySubmenus(root);
    os::DestroyMenu(root);
    MenuState& state = process::menuState;
    state.menuOpen = 0;
    state.lastSelectedMenu = nullptr;

    const bool ctrlHeld = os::IsKeyDown(os::kVkControl);
    if (os::IsKeyDown(os::kVkShift)) state.alternateChoice = 1;
    if (command > 0) CarryOutCommand(window, unsigned(command), ctrlHeld);
}

}  // namespace qv
