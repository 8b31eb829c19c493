// The launcher table of the [exec] section.
#pragma once
#include <string_view>

namespace qv {

// Fills launchers, launcherCount and currentLauncher from the settings content.
void ReadExecSection(std::string_view content);

}  // namespace qv
