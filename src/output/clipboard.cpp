#include "output/clipboard.h"

#include <string>

#include "common/state.h"
#include "os/os.h"
#include "output/text_block.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The clipboard's text to keep in front of a new one; false when there is
// none worth keeping (no CF_TEXT, cannot be read, empty).
bool TakeKeptText(std::string* kept) {
    if (!os::ClipboardHasText()) return false;
    if (!os::ClipboardGetText(kept)) return false;
    return !kept->empty();
}

}  // namespace

int SetClipboardText(std::string_view text, int beep) {
    if (!os::ClipboardSetText(text)) return 0;
    if (beep == 1) os::InformationBeep();
    return 1;
}

int AppendClipboardText(std::string_view text, int beep) {
    if (!clipboardPrefix) return SetClipboardText(text, beep);
    std::string kept;
    if (!TakeKeptText(&kept)) return 0;
    TextBlock combined;
    combined.Append(kept);
    combined.Append(kLineEnd);
    combined.Append(text);
    if (combined.failed()) return 0;
    return SetClipboardText(combined.view(), beep);
}

int CopyItemsToClipboard(ItemSelection selection, int beep) {
    TextBlock result;
    if (clipboardPrefix) {
        std::string kept;
        if (!TakeKeptText(&kept)) return 0;
        result.Append(kept);
        result.Append(kLineEnd);
    }
    const int count = menuItems.itemCount < kMaxMenuItems ? menuItems.itemCount : kMaxMenuItems;
    for (int k = 0; k < count; ++k) {
        const MenuItem& item = menuItems.items[k];
        if (selection == markedItems && item.marked != 1) continue;
        result.Append(item.fullText.view());
        result.Append(kLineEnd);
    }
    if (result.failed()) return 0;
    result.Shrink(result.size() >= kLineEnd.size() ? result.size() - kLineEnd.size() : 0);
    return SetClipboardText(result.view(), beep);
}

}  // namespace qv
