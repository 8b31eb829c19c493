// The text files of a folder and their order.
#pragma once
#include <string_view>

namespace qv {

// Lists the files of folder (and, with includeSubfolders, of its subfolders)
// whose extension is listed into fileList, at most 200, in the system's order.
void ListFolder(std::string_view folder);
// The place of extension in the extension list; -1 when not listed.
int FindFilterIndex(std::string_view extension);
// Orders fileList by name, after the extension's place and the folder when asked.
void SortFileList();

}  // namespace qv
