#pragma once

namespace qv {

// Menu items that fit in one column: (maximizedHeight - 100) / trunc(|h| + 3.0),
// h being the menu font's lfHeight.
int ComputeItemsPerPage(int maximizedHeight, int menuFontHeight);

}  // namespace qv
