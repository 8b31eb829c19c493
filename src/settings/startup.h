#pragma once
#include "os/os.h"

namespace qv {

// The window's creation: remembers the foreground window, applies the command
// line and loads the settings. False when the settings file failed.
bool StartUp(os::Window window);

}  // namespace qv
