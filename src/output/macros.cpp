#include "output/macros.h"

namespace qv {
std::string ExpandMacros(std::string_view templateText, std::string_view, int) { return std::string(templateText); }
}  // namespace qv
