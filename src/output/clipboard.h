// The clipboard writers; each returns 1 when done, 0 when nothing changed.
// The information beep sounds only for a beep argument of exactly 1.
#pragma once
#include <string_view>

namespace qv {

enum ItemSelection { allItems, markedItems };
class TextBlock;

constexpr std::string_view kLineEnd = "\r\n";  // between the kept text and the new text, and between lines

// With clipboardPrefix on, starts result with the clipboard's text and a line
// end; false when the prefix is on but there is no text to keep.
bool StartWithKeptText(TextBlock* result);

int SetClipboardText(std::string_view text, int beep);
int AppendClipboardText(std::string_view text, int beep);
int CopyItemsToClipboard(ItemSelection selection, int beep);

}  // namespace qv
