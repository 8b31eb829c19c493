// What the window procedure does for the menu while it is tracked.
#pragma once
#include <cstdint>

#include "os/os.h"

namespace qv {

constexpr unsigned kMfMouseSelect = 0x8000;

void OnInitMenu();                                  // WM_INITMENU
void OnInitMenuPopup(os::Menu popup, int position);  // WM_INITMENUPOPUP
void OnEnterIdle();                                  // WM_ENTERIDLE
void OnMenuSelect(uint32_t wParam, os::Menu menu);   // WM_MENUSELECT
void OnKillFocus(os::Window window);                 // WM_KILLFOCUS
int OnLButtonDown();                                 // WM_LBUTTONDOWN: the result to return

// The file whose submenu the item at position of lastSelectedMenu opens, or -1.
int OpeningFileIndex(int position);

}  // namespace qv
