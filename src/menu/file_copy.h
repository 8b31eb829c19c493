#pragma once
#include "output/clipboard.h"

namespace qv {

// Every line of the current file that passes the keyword filter, to the clipboard.
int CopyFilteredFileToClipboard(int beep, ClipboardStart start);

}  // namespace qv
