// The decisions of the menu's mouse and keyboard hooks: true swallows the input.
#pragma once
#include <cstdint>

namespace qv {

constexpr unsigned kWmRButtonDown = 0x204, kWmRButtonUp = 0x205, kWmMButtonDown = 0x207, kWmMButtonUp = 0x208;
constexpr int kHcNoRemove = 3;

bool MenuMouseHookAction(int code, unsigned message);
bool MenuKeyboardHookAction(int code, unsigned virtualKey, uint32_t keyData);
void ToggleItemMark(int item);
void SetItemMark(int item, int marked);

}  // namespace qv
