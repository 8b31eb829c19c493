#include "menu/launch.h"

namespace qv {
void ApplyCurrentLauncher(LineSource, int, bool) {}
}  // namespace qv
