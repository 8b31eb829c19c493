// Starting programs and opening documents through the shell.
#pragma once
#include <string_view>

namespace qv {

// Runs program with parameters in the program's own folder; when program does
// not exist (or is empty) the shell opens parameters instead.
void ShellLaunch(std::string_view program, std::string_view parameters);

// Opens the file with editorPath, or with its associated program when no
// editor exists.
void OpenWithEditor(std::string_view path);

}  // namespace qv
