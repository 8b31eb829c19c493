#include "lines/owner_label.h"

namespace qv {
bool OwnerDrawLabel(unsigned, std::string*) { return false; }
}  // namespace qv
