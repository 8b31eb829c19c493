#include "common/state.h"

#include <new>

#include "common/defaults.h"

namespace qv {

namespace process {
ProgramPaths programPaths;
ScreenMetrics screenMetrics;
os::Window mainWindow = nullptr;
os::Window previousForeground = nullptr;
MenuState menuState;
Settings settings;
LauncherEntry launchers[kMaxLaunchers];
int launcherCount = 0;
PendingLaunchers pendingLaunchers;
int currentLauncher = 0;
MenuItemTable menuItems;
MenuPlacement menuPlacement;
ViewStyle activeStyle;
FileEntry fileList[kMaxFiles];
int fileCount = 0;
int currentFile = 0;
PathText startPath;
int startMode = 0;
int clipboardPrefix = 0;
}  // namespace process

namespace {
// Rebuilt in place: the tables are too large for a temporary on a thread's stack.
template <class T>
void Reinit(T& object) {
    object.~T();
    new (&object) T();
}
template <class T, size_t N>
void Reinit(T (&array)[N]) {
    for (auto& element : array) Reinit(element);
}
}  // namespace

const char* CurrentFilePath() {
    if (process::currentFile < 0 || process::currentFile >= kMaxFiles) return "";
    return process::fileList[process::currentFile].path.c_str();
}

void ResetProcessState() {
    Reinit(process::programPaths);
    Reinit(process::screenMetrics);
    process::mainWindow = process::previousForeground = nullptr;
    Reinit(process::menuState);
    Reinit(process::settings);
    process::settings.submenuStyle = defaults::SubmenuStyle();
    process::settings.rootStyle = defaults::RootStyle();
    Reinit(process::launchers);
    Reinit(process::pendingLaunchers);
    process::launcherCount = process::currentLauncher = 0;
    Reinit(process::menuItems);
    Reinit(process::menuPlacement);
    Reinit(process::activeStyle);
    Reinit(process::fileList);
    process::fileCount = process::currentFile = 0;
    process::startPath.clear();
    process::startMode = process::clipboardPrefix = 0;
}

}  // namespace qv
