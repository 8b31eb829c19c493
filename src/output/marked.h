// Command texts built from the marked lines ("%M" and "%T").
#pragma once

#include "output/clipboard.h"
#include "output/macros.h"

namespace qv {

enum MarkedAction { actionRun = 0, actionCopy = 1, actionCopyAndRun = 3 };

// Puts the marked lines in place of the first "%M" (each line an argument) or
// "%T" (the lines as one text) of the expanded text, as its markedList says,
// and runs the current launcher with it, copies it, or copies the lines alone
// and runs the launcher with the rest. start is for the copies.
void RunMarkedLines(const Expansion& expansion, MarkedAction action, ClipboardStart start);

}  // namespace qv
