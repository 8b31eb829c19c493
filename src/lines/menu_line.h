// One line of a text file as a menu item shows it: the shown line (tabs
// expanded) and the whole line (tabs kept), both without carriage returns.
#pragma once
#include <cstddef>
#include <string_view>

#include "common/fixed_text.h"

namespace qv {

using LineText = FixedText<1040>;
constexpr size_t kLineBytes = LineText::kCapacity;  // 1039

// Builds one line from bytes handed over in any number of pieces, so that a
// line may straddle the chunks of a file read piecewise.
struct LineScanner {
    char shown[kLineBytes + 1];
    char full[kLineBytes + 1];
    size_t shownLength = 0;
    size_t fullLength = 0;
    bool shownClosed = false;  // a character did not fit: the rest of the line is dropped
    bool fullClosed = false;
    int pendingLead = -1;      // a lead byte waiting for the byte after it
    int tabWidth = 0;
};

void StartLine(LineScanner* scanner, int tabWidth);
// Takes bytes up to and including the first line feed; returns how many it took.
size_t ScanLine(LineScanner* scanner, std::string_view bytes, bool* ended);
// Closes the line (at a line feed or at the end of the data) and hands it out.
void FinishLine(LineScanner* scanner, LineText* shown, LineText* full);

}  // namespace qv
