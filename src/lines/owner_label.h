#pragma once
#include <string>

namespace qv {

// The label of owner-drawn line item id (5000 + n), with the mark column and
// the line number as activeStyle asks. False for an id outside the table.
bool OwnerDrawLabel(unsigned id, std::string* label);

}  // namespace qv
