#pragma once
#include "common/defaults.h"
#include "output/clipboard.h"

namespace qv {

// Every line of the current file that passes the keyword filter, to the
// clipboard, reading the file a chunk of at most chunks.largest at a time.
int CopyFilteredFileToClipboard(int beep, ClipboardStart start, const ReadChunks& chunks = defaults::kReadChunks);

}  // namespace qv
