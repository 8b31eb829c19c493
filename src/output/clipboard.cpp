#include "output/clipboard.h"

#include <string>

#include "common/state.h"
#include "os/os.h"
#include "common/text_block.h"

namespace qv {

ClipboardStart ClipboardStartFor(bool ctrlHeld) {
    return process::clipboardPrefix && !ctrlHeld ? ClipboardStart::afterKeptText : ClipboardStart::afresh;
}

bool KeptText(ClipboardStart start, std::string* kept) {
    kept->clear();
    if (start == ClipboardStart::afresh) return true;
    return os::ClipboardHasText() && os::ClipboardGetText(kept) && !kept->empty();
}

bool StartWithKeptText(TextBlock* result, ClipboardStart start) {
    std::string kept;
    if (!KeptText(start, &kept)) return false;
    if (start == ClipboardStart::afresh) return true;
    result->Append(kept);
    result->Append(kLineEnd);
    return true;
}

int SetClipboardText(const std::string_view* pieces, size_t count, int beep) {
    // The hidden window owns the clipboard.
    if (!os::ClipboardSetText(process::mainWindow, pieces, count)) return 0;
    if (beep == 1) os::InformationBeep();
    return 1;
}

int SetClipboardText(std::string_view text, int beep) { return SetClipboardText(&text, 1, beep); }

int AppendClipboardText(std::string_view text, int beep, ClipboardStart start) {
    if (start == ClipboardStart::afresh) return SetClipboardText(text, beep);
    TextBlock combined;
    if (!StartWithKeptText(&combined, start)) return 0;
    combined.Append(text);
    if (combined.failed()) return 0;
    return SetClipboardText(combined.view(), beep);
}

int CopyItemsToClipboard(ItemSelection selection, int beep, ClipboardStart start) {
    TextBlock result;
    if (!StartWithKeptText(&result, start)) return 0;
    const MenuItemTable& table = process::menuItems;
    for (int k = 0; k < table.itemCount; ++k) {
        const MenuItem& item = table.items[k];
        if (selection == markedItems && item.marked != 1) continue;
        result.Append(item.fullText.view());
        result.Append(kLineEnd);
    }
    if (result.failed()) return 0;
    result.Shrink(result.size() >= kLineEnd.size() ? result.size() - kLineEnd.size() : 0);
    return SetClipboardText(result.view(), beep);
}

}  // namespace qv
