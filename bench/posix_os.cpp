// The OS seam over real POSIX files, for the benchmarks: the fake OS keeps its
// files in memory and would hide the cost of I/O. Paths may use either slash;
// a backslash reads as '/'. Menus only count their items, the clipboard is a
// string, everything a user would see or hear does nothing.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "os/os.h"

struct os::FileObj {
    int fd = -1;
};
struct os::FindObj {
    DIR* dir = nullptr;
    std::string folder;  // with a trailing '/'
};
struct os::MenuObj {
    std::vector<unsigned> ids;
    std::vector<os::Menu> submenus;
};

namespace os {

namespace {

std::string Posix(const char* path) {
    std::string p(path);
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

bool Stat(const char* path, struct stat* info) { return *path && stat(Posix(path).c_str(), info) == 0; }

bool NextEntry(Find search, FindEntry* entry) {
    while (dirent* d = readdir(search->dir)) {
        entry->name = d->d_name;
        struct stat info;
        entry->isDirectory = d->d_type == DT_DIR ||
                             (d->d_type == DT_UNKNOWN && stat((search->folder + d->d_name).c_str(), &info) == 0 &&
                              S_ISDIR(info.st_mode));
        return true;
    }
    return false;
}

}  // namespace

std::string clipboardText;  // the benchmarks read it back
bool clipboardFull = false;

bool PathFileExists(const char* path) {
    struct stat info;
    return Stat(path, &info);
}
bool PathIsDirectory(const char* path) {
    struct stat info;
    return Stat(path, &info) && S_ISDIR(info.st_mode);
}
File OpenFileRead(const char* path, OpenMode mode) {
    if (!*path || PathIsDirectory(path)) return nullptr;
    int flags = O_RDONLY | (mode == OpenMode::always ? O_CREAT : 0);
    int fd = open(Posix(path).c_str(), flags, 0644);
    return fd < 0 ? nullptr : new FileObj{fd};
}
bool GetFileSize(File file, uint64_t* size) {
    struct stat info;
    if (fstat(file->fd, &info) != 0) return false;
    *size = uint64_t(info.st_size);
    return true;
}
bool ReadFile(File file, char* buffer, size_t count, size_t* got) {
    *got = 0;
    // One ReadFile call moves at most 2 GB less a little, as on Windows with a DWORD count.
    const size_t most = size_t(INT_MAX) & ~size_t(4095);
    ssize_t n = read(file->fd, buffer, count < most ? count : most);
    if (n < 0) return false;
    *got = size_t(n);
    return true;
}
void CloseFile(File file) {
    close(file->fd);
    delete file;
}
bool GetFullPathName(const char* name, std::string* fullPath) {
    char* full = realpath(Posix(name).c_str(), nullptr);
    if (!full) return false;
    *fullPath = full;
    std::free(full);
    return true;
}
bool SearchPath(const char* pathList, const char* name, std::string* found) {
    std::string list = pathList ? pathList : "";
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        std::string candidate = list.substr(start, end - start);
        if (!candidate.empty()) {
            candidate += '/';
            candidate += name;
            if (PathFileExists(candidate.c_str()) && candidate.size() < 260) {
                *found = candidate;
                return true;
            }
        }
        start = end + 1;
    }
    return false;
}

Find FindFirstFile(const char* pattern, FindEntry* entry) {
    std::string folder = Posix(pattern);
    folder.erase(folder.find_last_of('/') + 1);  // the benchmarks search "*.*" only
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return nullptr;
    Find search = new FindObj{dir, folder};
    if (NextEntry(search, entry)) return search;
    FindClose(search);
    return nullptr;
}
bool FindNextFile(Find search, FindEntry* entry) { return NextEntry(search, entry); }
void FindClose(Find search) {
    closedir(search->dir);
    delete search;
}
int CompareText(const char* a, const char* b) { return strcasecmp(a, b); }

Menu CreatePopupMenu() { return new MenuObj; }
Menu CreateMenu() { return new MenuObj; }
bool AppendMenuItem(Menu menu, unsigned, unsigned id, const char*) {
    menu->ids.push_back(id);
    menu->submenus.push_back(nullptr);
    return true;
}
bool SetMenuItemSubmenu(Menu menu, unsigned id, Menu submenu) {
    for (size_t i = 0; i < menu->ids.size(); ++i)
        if (menu->ids[i] == id) {
            if (menu->submenus[i]) DestroyMenu(menu->submenus[i]);
            menu->submenus[i] = submenu;
            return true;
        }
    return false;
}
bool SetMenuItemChecked(Menu, unsigned, bool) { return true; }
bool SetMenuItemOwnerDraw(Menu, unsigned) { return true; }
int GetMenuItemId(Menu menu, int position) {
    return position >= 0 && size_t(position) < menu->ids.size() ? int(menu->ids[position]) : -1;
}
int GetMenuItemCount(Menu menu) { return int(menu->ids.size()); }
Menu GetSubMenu(Menu menu, int position) {
    return position >= 0 && size_t(position) < menu->ids.size() ? menu->submenus[position] : nullptr;
}
bool DeleteMenuItemAt(Menu menu, int position) {
    if (position < 0 || size_t(position) >= menu->ids.size()) return false;
    if (menu->submenus[position]) DestroyMenu(menu->submenus[position]);
    menu->ids.erase(menu->ids.begin() + position);
    menu->submenus.erase(menu->submenus.begin() + position);
    return true;
}
void DestroyMenu(Menu menu) {
    if (!menu) return;
    for (Menu submenu : menu->submenus) DestroyMenu(submenu);
    delete menu;
}
int TrackPopupMenu(Menu, unsigned, int, int, Window) { return 0; }
void PostNullMessage(Window) {}
void CloseWindow(Window) {}
void PostLButtonDown(Window) {}
bool SetForegroundWindow(Window) { return true; }
void InstallMenuHooks(Window) {}
void RemoveMenuHooks() {}

bool GetCursorPos(Point* point) {
    *point = Point{};
    return true;
}
Window GetForegroundWindow() { return nullptr; }
bool GetWindowRect(Window, Rect*) { return false; }
bool IsKeyDown(int) { return false; }
void SendKeyPress(int) {}

bool ClipboardHasText() { return clipboardFull; }
bool ClipboardGetText(std::string* text) {
    if (!clipboardFull) return false;
    *text = clipboardText;
    return true;
}
bool ClipboardSetText(std::string_view text) {
    clipboardText.assign(text);
    clipboardFull = true;
    return true;
}
void InformationBeep() {}
void ShowErrorBox(Window, const char*, const char*) {}
void ShellExecute(const char*, const char*, const char*) {}

}  // namespace os
