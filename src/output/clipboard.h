// The clipboard writers; each returns 1 when done, 0 when nothing changed.
// The information beep sounds only for a beep argument of exactly 1.
#pragma once
#include <string_view>

namespace qv {

enum ItemSelection { allItems, markedItems };

int SetClipboardText(std::string_view text, int beep);
int AppendClipboardText(std::string_view text, int beep);
int CopyItemsToClipboard(ItemSelection selection, int beep);

}  // namespace qv
