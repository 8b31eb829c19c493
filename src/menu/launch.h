// The launch step: applies the current launcher to the current file and lines.
#pragma once
#include "output/clipboard.h"

namespace qv {

enum LineSource { lineSourceItem, lineSourceFirstMarked };

// item is the line item for lineSourceItem; start is for any copy the step makes.
void ApplyCurrentLauncher(LineSource source, int item, ClipboardStart start);

}  // namespace qv
