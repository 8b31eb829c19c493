// Placeholder parsers until the option grammars land.
#include "settings/options.h"

namespace qv {
void ParseMenuOption(std::string_view) {}
void ParseFontOption(std::string_view) {}
void ParseTextOption(std::string_view) {}
void ParseListOption(std::string_view) {}
void ParseFilterOption(std::string_view) {}
void ParseKeywordSet(std::string_view, int) {}
void ApplySearchPathOption(std::string_view) {}
void ReadSearchPathFile(const char*) {}
void ApplyEditorOption(std::string_view) {}
}  // namespace qv
