// The start of a run: what the hidden window's creation and its start timer do.
#pragma once
#include "os/os.h"

namespace qv {

// The window's creation: remembers the foreground window, applies the command
// line and loads the settings. False when the settings file failed.
bool StartUp(os::Window window);

// The start timer: lists what the command line named, shows the first menu
// (which carries out the chosen command), then closes window.
void ShowStartMenu(os::Window window);

}  // namespace qv
