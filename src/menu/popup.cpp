#include "menu/popup.h"

namespace qv {
void ShowPopupMenu(os::Window, int) {}
void AppendFixedItems(os::Menu, bool) {}
void DestroySubmenus(os::Menu) {}
}  // namespace qv
