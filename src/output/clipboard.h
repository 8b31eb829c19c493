// The clipboard writers; each returns 1 when done, 0 when nothing changed.
// The information beep sounds only for a beep argument of exactly 1.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

enum ItemSelection { allItems, markedItems };
class TextBlock;

constexpr std::string_view kLineEnd = "\r\n";  // between the kept text and the new text, and between lines

// Whether a writer keeps the clipboard's text (the new text follows it after a
// line end) or starts afresh. Decided once for each action that copies.
enum class ClipboardStart { afresh, afterKeptText };

// The kept text while clipboardPrefix is on, unless Ctrl asks to start afresh.
ClipboardStart ClipboardStartFor(bool ctrlHeld);

// The clipboard's text when asked to keep it (else nothing); false when there
// is no text to keep.
bool KeptText(ClipboardStart start, std::string* kept);
// Starts result with the text kept and a line end.
bool StartWithKeptText(TextBlock* result, ClipboardStart start);

int SetClipboardText(std::string_view text, int beep);
// The same for a text held in pieces.
int SetClipboardText(const std::string_view* pieces, size_t count, int beep);
int AppendClipboardText(std::string_view text, int beep, ClipboardStart start);
int CopyItemsToClipboard(ItemSelection selection, int beep, ClipboardStart start);

}  // namespace qv
