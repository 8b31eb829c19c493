// What the program derives at start from its own path and from the screen.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// Derives every path of programPaths from the executable's own path.
void InitProgramPaths(std::string_view exePath, std::string_view commandLine);

// The program's folder and base name with ".ini": the settings file it reads first.
std::string DefaultSettingsPath();

// Menu items that fit in one column: (maximizedHeight - 100) / trunc(|h| + 3.0),
// h being the menu font's lfHeight.
int ComputeItemsPerPage(int maximizedHeight, int menuFontHeight);

}  // namespace qv
