#pragma once
#include "os/os.h"

namespace qv {

// Chooses, reads and interprets the settings file named by settingsPath.
// False (after the message box) only when the file cannot be opened or read.
bool LoadSettings(os::Window window);

}  // namespace qv
