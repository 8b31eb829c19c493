// The fixed items of every root menu and what two of them open.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// The path enclosed in double quotes when it holds a space, so that it stays
// one argument on a command line.
std::string QuoteSpaces(std::string_view path);

// Opens the file with editorPath, or with its associated program when no
// editor exists.
void OpenWithEditor(std::string_view path);

}  // namespace qv
