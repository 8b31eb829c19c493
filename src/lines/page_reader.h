// Reads the lines of one page of a text file into the MenuItemTable. The file
// is read in growing chunks only as far as the page needs, so a page of a huge
// file costs what its first lines cost; the result is the same as reading the
// whole file at once.
#pragma once
#include <cstddef>

#include "common/defaults.h"
#include "common/state.h"

namespace qv {

constexpr int kMaxLinesScanned = 9999;

enum class PageRead { ok, empty, failed };  // failed: cannot open, read or allocate

// Fills menuItems (text, fullText, marked, lineNumber, the counts) with the
// lines of path from style.firstLine on that pass the keyword filter, tabs
// expanded to style.tabWidth blanks, reading the file in chunks. The table is
// empty unless the result is ok.
PageRead ReadPage(const char* path, const ViewStyle& style, const ReadChunks& chunks = defaults::kReadChunks);

// What an item shows of its shown line: at most itemWidth bytes, never half a
// character, '&' as '?' so that no character becomes an access key.
void MakeItemText(std::string_view shown, int itemWidth, FixedText<520>* text);

}  // namespace qv
