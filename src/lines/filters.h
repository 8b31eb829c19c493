// Keyword-set filters of listed and copied lines.
#pragma once
#include <string_view>

#include "os/os.h"

namespace qv {

// True when the line is to be listed (or copied) under the current selection.
bool LineMatchesFilter(std::string_view line);
// Builds the keyword-set submenu and attaches it to item 6000 of menu.
void AppendFilterSubmenu(os::Menu menu);

}  // namespace qv
