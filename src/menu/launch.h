// The launch step: applies the current launcher to the current file and lines.
#pragma once

namespace qv {

enum LineSource { lineSourceItem, lineSourceFirstMarked };

// item is the line item for lineSourceItem; ctrlHeld is Ctrl after tracking.
void ApplyCurrentLauncher(LineSource source, int item, bool ctrlHeld);

}  // namespace qv
