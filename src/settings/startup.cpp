#include "settings/startup.h"

#include <string>

#include "common/program_paths.h"
#include "common/state.h"
#include "settings/load_settings.h"
#include "settings/switches.h"

namespace qv {

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

}  // namespace qv
