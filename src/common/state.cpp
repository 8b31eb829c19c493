#include "common/state.h"

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

const char* CurrentFilePath() {
    if (process::currentFile < 0 || process::currentFile >= kMaxFiles) return "";
    return process::fileList[process::currentFile].path.c_str();
}

}  // namespace qv
