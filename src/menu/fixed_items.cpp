#include "menu/fixed_items.h"

#include "common/state.h"
#include "menu/popup.h"
#include "output/shell_launch.h"

namespace qv {

namespace {
constexpr const char* kSettingsLabel = "&S 設定ファイル";
constexpr const char* kManualLabel = "&H 説明書";
constexpr const char* kVersionLabel = "&0 Ver.1.06";

void AppendSeparator(os::Menu menu) { os::AppendMenuItem(menu, os::kMfSeparator, cmdFixedSeparator, nullptr); }
}  // namespace

void AppendFixedItems(os::Menu menu, bool nested) {
    if (!nested) {
        os::AppendMenuItem(menu, os::kMfString, cmdSettingsFile, kSettingsLabel);
        os::AppendMenuItem(menu, os::kMfString, cmdManual, kManualLabel);
        AppendSeparator(menu);
        os::AppendMenuItem(menu, os::kMfString, cmdVersion, kVersionLabel);
        return;
    }
    AppendSeparator(menu);
    os::AppendMenuItem(menu, os::kMfString, cmdVersion, kVersionLabel);
    os::Menu submenu = os::CreatePopupMenu();
    if (!submenu) return;
    os::AppendMenuItem(submenu, os::kMfString, cmdSettingsFile, kSettingsLabel);
    os::AppendMenuItem(submenu, os::kMfString, cmdManual, kManualLabel);
    if (!os::SetMenuItemSubmenu(menu, cmdVersion, submenu)) os::DestroyMenu(submenu);
}

std::string QuoteSpaces(std::string_view path) {
    // A space byte is never the second byte of a double-byte character.
    if (path.find(' ') == std::string_view::npos) return std::string(path);
    std::string quoted;
    quoted.reserve(path.size() + 2);
    quoted += '"';
    quoted += path;
    quoted += '"';
    return quoted;
}

void OpenWithEditor(std::string_view path) {
    ShellLaunch(process::settings.editorPath.view(), QuoteSpaces(path));
}

}  // namespace qv
