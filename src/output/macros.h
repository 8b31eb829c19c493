// Expansion of the macros of a launcher's argument template.
#pragma once
#include <string>
#include <string_view>

namespace qv {

constexpr size_t kExpandedLimit = 1039;

// Returns the expanded text (at most 1039 bytes); sets listMode and copyRequest.
std::string ExpandMacros(std::string_view templateText, std::string_view path, int lineNumber);

}  // namespace qv
