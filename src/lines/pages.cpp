#include "lines/pages.h"

namespace qv {
void FillFileSubmenu(os::Menu, int) {}
void BuildFileMenu(os::Menu) {}
}  // namespace qv
