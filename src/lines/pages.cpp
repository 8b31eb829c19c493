#include "lines/pages.h"

#include <cstdio>
#include <string>

#include "common/path_split.h"
#include "lines/filters.h"
#include "lines/page_reader.h"

namespace qv {

namespace {

// Owner drawing and tab expansion read the style of the menu being built; the
// page's extent is read from the builder's own style.
void TakeActiveStyle(const ViewStyle& style) {
    process::activeStyle = style;
}

void AppendHeading(os::Menu menu, const char* path) {
    PathParts parts = SplitPath(path);
    std::string label = "&@ " + parts.name + parts.extension;
    os::AppendMenuItem(menu, os::kMfString, cmdTitle, label.c_str());
    os::AppendMenuItem(menu, os::kMfSeparator, cmdPageSeparator, nullptr);
}

void AppendTableItems(os::Menu menu) {
    for (int k = 0; k < process::menuItems.itemCount; ++k) {
        const MenuItem& item = process::menuItems.items[k];
        unsigned id = cmdLineFirst + unsigned(k);
        if (process::activeStyle.customFont == 1) {
            os::AppendMenuItem(menu, os::kMfOwnerDraw, id, "");
        } else if (process::activeStyle.lineNumbers == 1) {
            std::string label(16 + item.text.size(), '\0');
            label.resize(std::snprintf(&label[0], label.size(), "%04d  %s", item.lineNumber,
                                       item.text.c_str()));
            os::AppendMenuItem(menu, os::kMfString, id, label.c_str());
        } else {
            os::AppendMenuItem(menu, os::kMfString, id, item.text.c_str());
        }
    }
}

void AppendLauncherSubmenu(os::Menu menu) {
    os::AppendMenuItem(menu, os::kMfString, cmdLauncherMenu, process::launchers[0].label.c_str());
    os::Menu submenu = os::CreatePopupMenu();
    int count = process::launcherCount < kMaxLaunchers ? process::launcherCount : kMaxLaunchers;
    for (int i = 0; i < count; ++i)
        os::AppendMenuItem(submenu, i == 0 ? os::kMfChecked : os::kMfString,
                           cmdLauncherFirst + unsigned(i), process::launchers[i].label.c_str());
    os::SetMenuItemSubmenu(menu, cmdLauncherMenu, submenu);
}

}  // namespace

bool AppendLineItems(os::Menu menu, const ViewStyle& style, bool heading) {
    TakeActiveStyle(style);
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
        AppendTableItems(menu);
    return true;
}

void AppendNavigationItems(os::Menu menu, unsigned nextId, unsigned previousId) {
    os::AppendMenuItem(menu, os::kMfSeparator, cmdPageSeparator, nullptr);
    os::AppendMenuItem(menu, os::kMfString, nextId, "&> Next");
    os::AppendMenuItem(menu, os::kMfString, previousId, "&< Return");
    os::AppendMenuItem(menu, os::kMfSeparator, cmdPageSeparator, nullptr);
    AppendLauncherSubmenu(menu);
    os::AppendMenuItem(menu, os::kMfSeparator, cmdPageSeparator, nullptr);
    os::AppendMenuItem(menu, os::kMfString, cmdGrepMenu, "&0 grep");
    AppendFilterSubmenu(menu);
}

void FillFileSubmenu(os::Menu submenu, int fileIndex) {
    if (fileIndex < 0 || fileIndex >= kMaxFiles) return;
    process::currentFile = fileIndex;
    for (int position = os::GetMenuItemCount(submenu) - 1; position >= 0; --position)
        os::DeleteMenuItemAt(submenu, position);
    if (!AppendLineItems(submenu, process::settings.submenuStyle, false)) return;
    AppendNavigationItems(submenu, cmdNextInSubmenu, cmdReturnInSubmenu);
}

void BuildFileMenu(os::Menu root) {
    if (!AppendLineItems(root, process::settings.rootStyle, true)) return;
    AppendNavigationItems(root, cmdNextOnPage, cmdReturnOnPage);
}

}  // namespace qv
