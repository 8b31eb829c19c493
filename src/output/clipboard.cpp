#include "output/clipboard.h"

#include <string>

#include "common/state.h"
#include "os/os.h"
#include "output/text_block.h"

namespace qv {

bool StartWithKeptText(TextBlock* result) {
    if (!process::clipboardPrefix) return true;
    std::string kept;
    if (!os::ClipboardHasText() || !os::ClipboardGetText(&kept) || kept.empty()) return false;
    result->Append(kept);
    result->Append(kLineEnd);
    return true;
}

int SetClipboardText(std::string_view text, int beep) {
    if (!os::ClipboardSetText(text)) return 0;
    if (beep == 1) os::InformationBeep();
    return 1;
}

int AppendClipboardText(std::string_view text, int beep) {
    if (!process::clipboardPrefix) return SetClipboardText(text, beep);
    TextBlock combined;
    if (!StartWithKeptText(&combined)) return 0;
    combined.Append(text);
    if (combined.failed()) return 0;
    return SetClipboardText(combined.view(), beep);
}

int CopyItemsToClipboard(ItemSelection selection, int beep) {
    TextBlock result;
    if (!StartWithKeptText(&result)) return 0;
    for (int k = 0; k < process::menuItems.itemCount; ++k) {
        const MenuItem& item = process::menuItems.items[k];
        if (selection == markedItems && item.marked != 1) continue;
        result.Append(item.fullText.view());
        result.Append(kLineEnd);
    }
    if (result.failed()) return 0;
    result.Shrink(result.size() >= kLineEnd.size() ? result.size() - kLineEnd.size() : 0);
    return SetClipboardText(result.view(), beep);
}

}  // namespace qv
