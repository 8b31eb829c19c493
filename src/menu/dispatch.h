// What a chosen command does once the menu is gone.
#pragma once
#include "os/os.h"

namespace qv {

// Carries out the command chosen with Ctrl held or not (after tracking) and
// with alternateChoice; a command that changes what is shown shows the menu
// again (nested) at the place of the last one.
void CarryOutCommand(os::Window window, unsigned command, bool ctrlHeld);

}  // namespace qv
