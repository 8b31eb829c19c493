// Text pages and file submenus: the lines of a file as menu items.
#pragma once
#include "os/os.h"

namespace qv {

// Makes fileIndex the current file and refills submenu with its lines.
void FillFileSubmenu(os::Menu submenu, int fileIndex);
// Fills the root menu with the text page of the current file.
void BuildFileMenu(os::Menu root);

}  // namespace qv
