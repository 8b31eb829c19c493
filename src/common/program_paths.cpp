#include "common/program_paths.h"

#include <cmath>
#include <string>

#include "common/path_split.h"
#include "common/state.h"

namespace qv {

void InitProgramPaths(std::string_view exePath, std::string_view commandLine) {
    ProgramPaths& paths = process::programPaths;
    if (exePath.size() >= 2 && exePath.front() == '"' && exePath.back() == '"')
        exePath = exePath.substr(1, exePath.size() - 2);
    paths.exePath = exePath;
    PathParts parts = SplitPath(paths.exePath.view());
    paths.exeFolder = parts.drive + parts.folder;
    paths.baseName = parts.name;
    paths.settingsFileName = parts.name + ".ini";
    paths.settingsPath = DefaultSettingsPath();
    // The manual keeps its name whatever the executable is called.
    paths.manualPath = std::string(paths.exeFolder.view()) + "Qivora.txt";
    paths.commandLine = std::string(commandLine);
}

std::string DefaultSettingsPath() {
    return std::string(process::programPaths.exeFolder.view()) + std::string(process::programPaths.baseName.view()) + ".ini";
}

int ComputeItemsPerPage(int maximizedHeight, int menuFontHeight) {
    int divisor = static_cast<int>(std::fabs(static_cast<double>(menuFontHeight)) + 3.0);
    return (maximizedHeight - 100) / divisor;
}

}  // namespace qv
