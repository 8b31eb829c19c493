// Text pages and file submenus: the lines of a file as menu items.
#pragma once
#include "common/state.h"
#include "os/os.h"

namespace qv {

// Makes fileIndex the current file and refills submenu with its lines.
void FillFileSubmenu(os::Menu submenu, int fileIndex);
// Fills the root menu with the text page of the current file.
void BuildFileMenu(os::Menu root);

// The line items of the current file with style, after the heading when asked.
// False when the file cannot be read: the menu then holds only "read error".
bool AppendLineItems(os::Menu menu, const ViewStyle& style, bool heading);
// Next and previous file, the launcher submenu and the keyword-set submenu.
void AppendNavigationItems(os::Menu menu, unsigned nextId, unsigned previousId);

}  // namespace qv
