#include "menu/hooks.h"

namespace qv {
bool MenuMouseHookAction(int, unsigned) { return false; }
bool MenuKeyboardHookAction(int, unsigned, uint32_t) { return false; }
void ToggleItemMark(int) {}
void SetItemMark(int, int) {}
void ToggleKeywordSet(int) {}
}  // namespace qv
