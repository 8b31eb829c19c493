#include "settings/startup.h"

#include <string>

#include "common/state.h"
#include "settings/load_settings.h"
#include "settings/switches.h"

namespace qv {

bool StartUp(os::Window window) {
    mainWindow = window;
    previousForeground = os::GetForegroundWindow();
    ProgramPaths& paths = programPaths;
    paths.settingsPath = std::string(paths.exeFolder.view()) + std::string(paths.settingsFileName.view());
    if (!paths.commandLine.empty()) {
        ApplySwitches(paths.commandLine);
        FindStartPath(paths.commandLine);
    }
    return LoadSettings(window);
}

}  // namespace qv
