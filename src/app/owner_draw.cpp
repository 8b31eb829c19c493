#include "app/owner_draw.h"

#include <string>

#include "common/state.h"
#include "menu/pages.h"
#include "menu/popup.h"

namespace {

// The style's height is as seen at 100 %: the menu's monitor scales it.
HFONT CreateMenuFont(const qv::ViewStyle& style) {
    const int height = qv::ScaleToDpi(style.fontHeight, qv::process::menuPlacement.dpi);
    return CreateFontA(height, 0, 0, 0, style.fontWeight, style.fontItalic, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                       FF_MODERN | FIXED_PITCH, style.fontFace.c_str());
}

bool IsMarked(unsigned id) {
    int n = static_cast<int>(id) - qv::cmdLineFirst;
    return n >= 0 && n < qv::process::menuItems.itemCount && qv::process::menuItems.items[n].marked == 1;
}

}  // namespace

void MeasureOwnerDrawItem(HWND window, MEASUREITEMSTRUCT* measure) {
    std::string label;
    if (!qv::OwnerDrawLabel(measure->itemID, &label)) return;
    HDC dc = GetDC(window);
    HFONT font = CreateMenuFont(qv::process::activeStyle);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    // The last byte of the label is left out of the width.
    GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()) - 1, &size);
    measure->itemWidth = static_cast<UINT>(size.cx);
    measure->itemHeight = static_cast<UINT>(size.cy);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(window, dc);
}

void DrawOwnerDrawItem(const DRAWITEMSTRUCT* draw) {
    std::string label;
    if (!qv::OwnerDrawLabel(draw->itemID, &label)) return;
    HFONT font = CreateMenuFont(qv::process::activeStyle);
    HGDIOBJ previous = SelectObject(draw->hDC, font);
    if (draw->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        const bool marked = IsMarked(draw->itemID);
        const bool selected = (draw->itemState & ODS_SELECTED) != 0;
        int background = COLOR_MENU, text = COLOR_MENUTEXT;
        if (selected) {
            background = marked ? COLOR_HIGHLIGHTTEXT : COLOR_HIGHLIGHT;
            text = marked ? COLOR_ACTIVECAPTION : COLOR_HIGHLIGHTTEXT;
        }
        SetBkColor(draw->hDC, GetSysColor(background));
        SetTextColor(draw->hDC, GetSysColor(text));
    }
    DrawStateA(draw->hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(label.c_str()),
               static_cast<WPARAM>(label.size()), draw->rcItem.left, draw->rcItem.top, 0, 0, DST_TEXT);
    SelectObject(draw->hDC, previous);
    DeleteObject(font);
}
