#pragma once
#include <string_view>

namespace qv {

// Runs program with parameters in the program's own folder; when program does
// not exist (or is empty) the shell opens parameters instead.
void ShellLaunch(std::string_view program, std::string_view parameters);

}  // namespace qv
