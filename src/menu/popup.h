// Building, placing and tracking the popup menu, and carrying out its command.
#pragma once
#include "os/os.h"

namespace qv {

void ShowPopupMenu(os::Window window, int menuType);
void AppendFixedItems(os::Menu menu, bool nested);
void DestroySubmenus(os::Menu menu);

}  // namespace qv
