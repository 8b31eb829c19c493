#include "menu/start.h"

#include <string>

#include "common/path_split.h"
#include "common/program_paths.h"
#include "common/state.h"
#include "lines/folders.h"
#include "menu/popup.h"
#include "settings/load_settings.h"
#include "settings/switches.h"

namespace qv {

namespace {

// The named file's place in the sorted list; the first file when it is not listed.
int FindCurrentFile() {
    for (int i = 0; i < process::fileCount; ++i)
        if (EqualsI(process::fileList[i].path.view(), process::startPath.view())) return i;
    return 0;
}

// A named file whose extension is not listed gets it in front, so that the
// file itself is listed and, sorted by extension, comes first.
void InsertExtension(const std::string& extension) {
    Settings& s = process::settings;
    if (FindFilterIndex(extension) >= 0 || s.extensionFilterCount >= kMaxExtensions) return;
    int count = s.extensionFilterCount < 0 ? 0 : s.extensionFilterCount;
    for (int i = count; i > 0; --i) s.extensionFilters[i] = s.extensionFilters[i - 1];
    s.extensionFilters[0] = extension;
    s.extensionFilterCount = count + 1;
}

// A folder is listed itself, a file with its folder (its page is shown then).
void ListStartPath() {
    std::string folder;
    if (os::PathIsDirectory(process::startPath.c_str())) {
        folder = process::startPath.c_str();
    } else {
        process::startMode = 2;
        PathParts parts = SplitPath(process::startPath.view());
        folder = parts.drive + parts.folder;
        InsertExtension(parts.extension);
    }
    ListFolder(folder);
    SortFileList();
}

}  // namespace

bool StartUp(os::Window window) {
    process::mainWindow = window;
    process::previousForeground = os::GetForegroundWindow();
    ProgramPaths& paths = process::programPaths;
    paths.settingsPath = DefaultSettingsPath();
    if (!paths.commandLine.empty()) {
        ApplySwitches(paths.commandLine);
        FindStartPath(paths.commandLine);
    }
    return LoadSettings(window);
}

void ShowStartMenu(os::Window window) {
    if (process::startMode == 1) ListStartPath();
    if (process::startMode == 2) {
        if (process::fileCount == 0) process::startMode = 0;
        else process::currentFile = FindCurrentFile();
    }
    ShowPopupMenu(window, process::startMode);
    os::CloseWindow(window);
}

}  // namespace qv
