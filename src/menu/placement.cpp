#include "menu/placement.h"

namespace qv {

namespace {

constexpr unsigned kCentred = os::kTpmCenterAlign | os::kTpmVCenterAlign;

MenuPlacement ScreenCentre() {
    return {process::screenMetrics.screenWidth / 2, process::screenMetrics.maximizedHeight / 2, kTrackBaseFlags | kCentred};
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

}  // namespace

MenuPlacement PlaceMenu(int menuType) {
    if (menuType == folderListAgain || menuType == textPageAgain) {
        MenuPlacement stored = process::menuPlacement;
        stored.flags |= kTrackBaseFlags;  // the choice must come back as the result
        return stored;
    }
    switch (process::settings.positionMode) {
    case positionActive: return OverActiveWindow();
    case positionFixed: return {process::settings.fixedX, process::settings.fixedY, kTrackBaseFlags};
    case positionMouse: return AtCursor(0);
    case positionMouse2: return AtCursor(os::kTpmVCenterAlign);
    default: return ScreenCentre();
    }
}

}  // namespace qv
