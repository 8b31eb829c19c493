#include "common/state.h"

#include <new>

namespace qv {

// "ＭＳ Ｐゴシック": the face of owner-drawn line items unless "@font=" names another.
static constexpr const char* kDefaultFontFace = "ＭＳ Ｐゴシック";

ViewStyle DefaultSubmenuStyle() {
    ViewStyle style;
    style.fontFace = kDefaultFontFace;
    style.pageSize = 20;  // file submenus: 1..50
    return style;
}

ViewStyle DefaultRootStyle() {
    ViewStyle style;
    style.fontFace = kDefaultFontFace;
    style.pageSize = 30;  // text pages: 1..999
    return style;
}

ProgramPaths programPaths;
ScreenMetrics screenMetrics;
os::Window mainWindow = nullptr;
os::Window previousForeground = nullptr;
MenuState menuState;
Settings settings;
LauncherEntry launchers[kMaxLaunchers];
int launcherCount = 0;
int currentLauncher = 0;
MenuItemTable menuItems;
MenuPlacement menuPlacement;
ViewStyle activeStyle;
FileEntry fileList[kMaxFiles];
int fileCount = 0;
int currentFile = 0;
int folderCounter = -1;
int listingStopped = 0;
PathText startPath;
int startMode = 0;
int listMode = 0;
int copyRequest = 0;
int clipboardPrefix = 0;

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
    if (currentFile < 0 || currentFile >= kMaxFiles) return "";
    return fileList[currentFile].path.c_str();
}

void ResetProcessState() {
    Reinit(programPaths);
    Reinit(screenMetrics);
    mainWindow = previousForeground = nullptr;
    Reinit(menuState);
    Reinit(settings);
    Reinit(launchers);
    launcherCount = currentLauncher = 0;
    Reinit(menuItems);
    Reinit(menuPlacement);
    Reinit(activeStyle);
    Reinit(fileList);
    fileCount = currentFile = 0;
    folderCounter = -1;
    listingStopped = 0;
    startPath.clear();
    startMode = listMode = copyRequest = clipboardPrefix = 0;
}

}  // namespace qv
