// Where the popup menu stands and how it is aligned there.
#pragma once
#include "common/state.h"

namespace qv {

constexpr unsigned kTrackBaseFlags = os::kTpmReturnCmd | os::kTpmRightButton;

// The place for a menu of the given type: a menu shown again stands where the
// last one stood, any other follows positionMode.
MenuPlacement PlaceMenu(int menuType);

}  // namespace qv
