#pragma once
#include <string>
#include <string_view>

namespace qv {

// Derives every path of programPaths from the executable's own path.
void InitProgramPaths(std::string_view exePath, std::string_view commandLine);

// The program's folder and base name with ".ini": the settings file it reads first.
std::string DefaultSettingsPath();

}  // namespace qv
