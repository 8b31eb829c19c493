#include "settings/switches.h"

namespace qv {
void ApplySwitches(std::string_view) {}
void FindStartPath(std::string_view) {}
}  // namespace qv
