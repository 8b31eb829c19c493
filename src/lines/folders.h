// The folder listing, its order, the folder-list menu and the start routine.
#pragma once
#include <string_view>

#include "os/os.h"

namespace qv {

// Lists what the command line named, shows the first menu, then closes window.
void ShowStartMenu(os::Window window);
void ListFolder(std::string_view folder);
int FindFilterIndex(std::string_view extension);  // -1 when not listed
void SortFileList();
void BuildFolderList(os::Menu root);

}  // namespace qv
