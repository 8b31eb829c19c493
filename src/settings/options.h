// Parsers of the option values of the settings file and of the switches.
#pragma once
#include <string_view>

namespace qv {

void ParseMenuOption(std::string_view value);
void ParseFontOption(std::string_view value);
void ParseTextOption(std::string_view value);
void ParseListOption(std::string_view value);
void ParseFilterOption(std::string_view value);
void ParseKeywordSet(std::string_view value, int set);
void ApplySearchPathOption(std::string_view value);  // "@path="
void ReadSearchPathFile(const char* path);
void ApplyEditorOption(std::string_view value);      // "@editor="

}  // namespace qv
