#include "menu/pages.h"

#include <cstdio>
#include <string>

#include "common/path_split.h"
#include "lines/page_reader.h"
#include "menu/menu_tables.h"

namespace qv {

namespace {

void AppendHeading(os::Menu menu, const char* path) {
    PathParts parts = SplitPath(path);
    std::string label = "&@ " + parts.name + parts.extension;
    os::AppendMenuItem(menu, os::kMfString, cmdTitle, label.c_str());
    os::AppendMenuItem(menu, os::kMfSeparator, cmdPageSeparator, nullptr);
}

// "%04d  text" with line numbers; at least four digits, all of a longer number.
std::string NumberedLabel(const MenuItem& item) {
    std::string label(16 + item.text.size(), '\0');
    const int length = std::snprintf(&label[0], label.size(), "%04d  %s", item.lineNumber, item.text.c_str());
    label.resize(length > 0 ? size_t(length) : 0);
    return label;
}

void AppendTableItems(os::Menu menu, const ViewStyle& style) {
    for (int k = 0; k < process::menuItems.itemCount; ++k) {
        const MenuItem& item = process::menuItems.items[k];
        const unsigned id = cmdLineFirst + unsigned(k);
        if (style.customFont == 1) os::AppendMenuItem(menu, os::kMfOwnerDraw, id, "");
        else if (style.lineNumbers == 1) os::AppendMenuItem(menu, os::kMfString, id, NumberedLabel(item).c_str());
        else os::AppendMenuItem(menu, os::kMfString, id, item.text.c_str());
    }
}

// The line items of the current file, after the heading when asked. False
// when the file cannot be read: the menu then holds only "read error".
bool AppendLineItems(os::Menu menu, const ViewStyle& style, bool heading) {
    // Owner drawing reads the style of the menu built last.
    process::activeStyle = style;
    const char* path = CurrentFilePath();
    PageRead read = ReadPage(path, style);
    if (read == PageRead::failed) {
        os::AppendMenuItem(menu, os::kMfString, cmdMessage, "read error");
        return false;
    }
    if (heading) AppendHeading(menu, path);
    if (read == PageRead::empty)
        os::AppendMenuItem(menu, os::kMfString, cmdMessage, "non data");
    else if (process::menuItems.itemCount == 0)
        os::AppendMenuItem(menu, os::kMfString, cmdMessage,
                           process::settings.keywordSets.filterActive ? "non grep" : "non line");
    else
        AppendTableItems(menu, style);
    return true;
}

}  // namespace

void BuildFileMenu(os::Menu root) {
    if (AppendLineItems(root, process::settings.rootStyle, true)) AppendNavigationItems(root, true);
}

void FillFileSubmenu(os::Menu submenu, int fileIndex) {
    if (fileIndex < 0 || fileIndex >= kMaxFiles) return;
    process::currentFile = fileIndex;
    for (int position = os::GetMenuItemCount(submenu) - 1; position >= 0; --position)
        os::DeleteMenuItemAt(submenu, position);
    if (AppendLineItems(submenu, process::settings.submenuStyle, false)) AppendNavigationItems(submenu, false);
}

bool OwnerDrawLabel(unsigned id, std::string* label) {
    const MenuItemTable& table = process::menuItems;
    if (id < cmdLineFirst || table.itemCount <= 0 || id - cmdLineFirst >= unsigned(table.itemCount)) return false;
    const MenuItem& item = table.items[id - cmdLineFirst];
    // The text starts in the same column whether the item is marked or not.
    const char* mark = item.marked == 1 ? "*" : " ";
    if (process::activeStyle.lineNumbers == 1) *label = mark + (" " + NumberedLabel(item));
    else *label = mark + ("  " + std::string(item.text.view()));
    return true;
}

}  // namespace qv
