// The fixed items of the menus, declared as tables and appended by one builder.
#pragma once
#include "os/os.h"

namespace qv {

// The fixed items every root menu ends with; under a folder list the version
// item holds the settings file and the manual.
void AppendFixedItems(os::Menu menu, bool nested);

// The items under the lines of a text page (onPage) or of a file submenu:
// next and previous file, the launchers and the keyword sets. The launchers'
// submenu is filled when it opens.
void AppendNavigationItems(os::Menu menu, bool onPage);
void FillLauncherSubmenu(os::Menu submenu);

}  // namespace qv
