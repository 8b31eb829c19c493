// Finding programs and documents: the lookup, the search path and the editor.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// Finds a program or document by name; returns found. path is the full path
// (at most 259 characters) when a lookup succeeded, else name unchanged.
bool ResolveProgramPath(std::string_view name, bool tryExe, std::string* path);

void ApplySearchPathOption(std::string_view value);  // "@path="
void ReadSearchPathFile(const char* path);
void ApplyEditorOption(std::string_view value);      // "@editor="

}  // namespace qv
