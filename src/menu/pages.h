// Text pages and file submenus: the lines of a file as menu items.
#pragma once
#include <string>

#include "common/state.h"
#include "os/os.h"

namespace qv {

// Fills the root menu with the text page of the current file.
void BuildFileMenu(os::Menu root);
// Makes fileIndex the current file and refills submenu with its lines.
void FillFileSubmenu(os::Menu submenu, int fileIndex);

// The label of owner-drawn line item id (5000 + n), with the mark column and
// the line number as activeStyle asks. False for an id outside the table.
bool OwnerDrawLabel(unsigned id, std::string* label);

}  // namespace qv
