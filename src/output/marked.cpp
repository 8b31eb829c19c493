#include "output/marked.h"

namespace qv {
void RunMarkedArguments(std::string_view, MarkedAction) {}
void RunMarkedText(std::string_view, MarkedAction) {}
}  // namespace qv
