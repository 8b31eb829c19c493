#pragma once
#include <windows.h>

// Line items of a page with its own font, measured and painted in that font.
void MeasureOwnerDrawItem(HWND window, MEASUREITEMSTRUCT* measure);
void DrawOwnerDrawItem(const DRAWITEMSTRUCT* draw);
