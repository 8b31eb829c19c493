// Command texts built from the marked lines ("%M" and "%T").
#pragma once
#include <string_view>

namespace qv {

enum MarkedAction { actionRun = 0, actionCopy = 1, actionCopyAndRun = 3 };

void RunMarkedArguments(std::string_view text, MarkedAction action);
void RunMarkedText(std::string_view text, MarkedAction action);

}  // namespace qv
