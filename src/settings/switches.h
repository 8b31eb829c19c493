// Command-line switches and the start path.
#pragma once
#include <string_view>

namespace qv {

void ApplySwitches(std::string_view commandLine);
void FindStartPath(std::string_view commandLine);

}  // namespace qv
