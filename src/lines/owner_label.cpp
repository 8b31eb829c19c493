#include "lines/owner_label.h"

#include <cstdio>

#include "common/state.h"

namespace qv {

bool OwnerDrawLabel(unsigned id, std::string* label) {
    if (id < cmdLineFirst || process::menuItems.itemCount <= 0) return false;
    if (id - cmdLineFirst >= unsigned(process::menuItems.itemCount)) return false;
    const MenuItem& item = process::menuItems.items[id - cmdLineFirst];
    // The text starts in the same column whether the item is marked or not.
    const char* mark = item.marked == 1 ? "*" : " ";
    label->assign(32 + item.text.size(), '\0');
    int length = process::activeStyle.lineNumbers == 1
                     ? std::snprintf(&(*label)[0], label->size(), "%s %04d  %s", mark,
                                     item.lineNumber, item.text.c_str())
                     : std::snprintf(&(*label)[0], label->size(), "%s  %s", mark, item.text.c_str());
    label->resize(length > 0 ? size_t(length) : 0);
    return true;
}

}  // namespace qv
