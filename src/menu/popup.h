// The root menu: built for its menu type, placed, tracked, and its command carried out.
#pragma once
#include "common/state.h"
#include "os/os.h"

namespace qv {

// Shows the root menu of menuType; a command that changes what is shown shows
// it again (nested) before this returns.
void ShowPopupMenu(os::Window window, int menuType);

// The files of fileList, each opening an empty submenu that is filled when it
// opens; a new column only where the folder changes; "non file" when empty.
void BuildFolderList(os::Menu root);

constexpr unsigned kTrackBaseFlags = os::kTpmReturnCmd | os::kTpmRightButton;

// The place for a menu of the given type: a menu shown again stands where the
// last one stood, any other follows positionMode, with the DPI of the monitor
// at its point (window is the menu's owner).
MenuPlacement PlaceMenu(os::Window window, int menuType);

// A pixel value of the settings, written as seen at 100 % (96 DPI), at dpi,
// rounded; a DPI below 96, as a failed query gives, leaves it as written.
int ScaleToDpi(int pixels, int dpi);

}  // namespace qv
