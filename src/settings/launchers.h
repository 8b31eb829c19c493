// The launcher table of the [exec] section, and the program lookup.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// Finds a program or document by name; returns found. path is the full path
// (at most 259 characters) when a lookup succeeded, else name unchanged.
bool ResolveProgramPath(std::string_view name, bool tryExe, std::string* path);

// Fills launchers, launcherCount and currentLauncher from the settings content.
void ReadExecSection(std::string_view content);

}  // namespace qv
