#pragma once
#include <string_view>

namespace qv {

// Derives every path of programPaths from the executable's own path.
void InitProgramPaths(std::string_view exePath, std::string_view commandLine);

}  // namespace qv
