// What the window procedure does for the menu while it is tracked.
#pragma once
#include <cstdint>

#include "os/os.h"

namespace qv {

void OnInitMenu();                                  // WM_INITMENU
void OnInitMenuPopup(os::Menu popup, int position);  // WM_INITMENUPOPUP
void OnMenuSelect(uint32_t wParam, os::Menu menu);   // WM_MENUSELECT
void OnKillFocus(os::Window window);                 // WM_KILLFOCUS
int OnLButtonDown();                                 // WM_LBUTTONDOWN: the result to return

}  // namespace qv
