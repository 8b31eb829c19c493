#include "menu/tracking.h"

namespace qv {
void OnInitMenu() {}
void OnInitMenuPopup(os::Menu, int) {}
void OnMenuSelect(uint32_t, os::Menu) {}
void OnKillFocus(os::Window) {}
int OnLButtonDown() { return 0; }
}  // namespace qv
