#include "settings/launchers.h"

#include "common/state.h"

namespace qv {

bool ResolveProgramPath(std::string_view name, bool, std::string* path) {
    *path = std::string(name);
    return false;
}

void ReadExecSection(std::string_view) {
    launcherCount = 0;
    currentLauncher = 0;
    launchers[0] = LauncherEntry{"@system", "@system", ""};
    launcherCount = 1;
}

}  // namespace qv
