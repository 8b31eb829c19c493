#include "fake_os.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "common/state.h"
#include "common/text.h"
#include "process_reset.h"

#ifndef O_BINARY
#define O_BINARY 0
#endif

struct os::FileObj {
    std::string content;
    size_t position = 0;
    size_t readable = SIZE_MAX;  // bytes that can be read before ReadFile fails
    int fd = -1;  // a host file: read with read(), content unused
};
struct os::FindObj {
    std::vector<os::FindEntry> entries;
    size_t next = 0;
    DIR* dir = nullptr;       // a host folder: read entry by entry
    std::string hostFolder;  // with a trailing '/'
};

namespace fake {

std::map<std::string, size_t> unreadablePaths;
std::vector<std::string> createdFiles;
size_t readCallCount = 0;
std::string currentDirectory;
std::vector<std::string> systemSearchFolders;
std::set<os::Menu> liveMenus;
std::vector<TrackCall> trackCalls;
std::deque<std::function<int(os::Menu)>> trackScripts;
std::set<int> keysDown;
std::vector<int> sentKeys;
std::optional<os::Point> cursor;
os::Window foreground = nullptr;
std::map<os::Window, os::Rect> windowRects;
int monitorDpi = 96;
int hooksInstalled, hooksRemoved, nullPosts, lbuttonPosts, foregroundCalls, closeCalls;
std::optional<std::string> clipboard;
bool clipboardBusy = false;
int beeps = 0;
std::vector<ErrorBox> errorBoxes;
std::vector<Launch> launches;

namespace {
struct Node {
    std::string name;  // as written
    bool isFolder = false;
    std::string content;
};
// Keyed by the lower-cased full path without a trailing backslash; the vector
// keeps the order in which entries were made (the "system order").
std::map<std::string, Node> nodes;
std::vector<std::string> order;
std::string mountKey, mountHost;  // mountKey as Key() makes it; empty: nothing mounted

// Paths are cp932: the second byte of a double-byte character (表 is 0x95 0x5C)
// is neither a separator nor a letter.
size_t LastSeparator(std::string_view path) {
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); i += qv::IsLeadByte(path[i]) ? 2 : 1)
        if (path[i] == '\\' || path[i] == '/') last = i;
    return last;
}
// Windows takes "/" for "\\" and compares names without case.
std::string Key(std::string path) {
    for (size_t i = 0; i < path.size(); i += qv::IsLeadByte(path[i]) ? 2 : 1) {
        char& c = path[i];
        if (c >= 'A' && c <= 'Z') c += 32;
        if (c == '/') c = '\\';
    }
    while (path.size() > 3 && qv::EndsWithBackslash(path)) path.pop_back();
    if (path.size() == 3 && path[1] == ':' && path[2] == '\\') path.pop_back();
    return path;
}
std::string Parent(const std::string& key) {
    const size_t cut = LastSeparator(key);
    return cut == std::string::npos ? std::string() : key.substr(0, cut);
}
std::string Absolute(const std::string& name) {
    if (name.size() >= 2 && name[1] == ':') return name;
    if (!name.empty() && name[0] == '\\') return name;
    return currentDirectory + name;
}
const Node* Lookup(const std::string& path) {
    auto it = nodes.find(Key(Absolute(path)));
    return it == nodes.end() ? nullptr : &it->second;
}
// The host path of a path under the mounted prefix.
bool HostPath(const std::string& path, std::string* host) {
    if (mountKey.empty()) return false;
    const std::string full = Absolute(path), key = Key(full);
    const size_t n = mountKey.size();
    if (key.compare(0, n, mountKey) != 0 || (key.size() > n && key[n] != '\\' && key[n] != '/')) return false;
    *host = mountHost + full.substr(n);
    std::replace(host->begin(), host->end(), '\\', '/');
    return true;
}
bool NextHostEntry(os::Find search, os::FindEntry* entry) {
    dirent* d = readdir(search->dir);
    if (!d) return false;
    entry->name = d->d_name;
    struct stat info;
#ifdef _DIRENT_HAVE_D_TYPE
    // As FindNextFile, the listing itself tells folders from files.
    if (d->d_type != DT_UNKNOWN) {
        entry->isDirectory = d->d_type == DT_DIR;
        return true;
    }
#endif
    entry->isDirectory = stat((search->hostFolder + d->d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return true;
}
void Insert(const std::string& path, bool folder, const std::string& content) {
    std::string key = Key(path);
    std::string parent = Parent(key);
    if (!parent.empty() && !nodes.count(parent)) AddFolder(path.substr(0, parent.size()));
    if (!nodes.count(key)) order.push_back(key);
    const size_t cut = LastSeparator(path);
    nodes[key] = Node{cut == std::string::npos ? path : path.substr(cut + 1), folder, content};
}
void CollectMenus(os::Menu menu, unsigned id, const os::MenuObj::Item** found) {
    for (auto& item : menu->items) {
        if (*found) return;
        if (item.id == id && !(item.flags & os::kMfPopup)) *found = &item;
        else if (item.submenu) CollectMenus(item.submenu, id, found);
    }
}
}  // namespace

void Reset() {
    nodes.clear();
    order.clear();
    unreadablePaths.clear();
    createdFiles.clear();
    readCallCount = 0;
    currentDirectory = "C:\\work\\";
    systemSearchFolders = {"C:\\Windows\\System32\\", "C:\\Windows\\"};
    for (auto menu : liveMenus) delete menu;
    liveMenus.clear();
    trackCalls.clear();
    trackScripts.clear();
    keysDown.clear();
    sentKeys.clear();
    cursor = os::Point{100, 200};
    foreground = nullptr;
    windowRects.clear();
    monitorDpi = 96;
    hooksInstalled = hooksRemoved = nullPosts = lbuttonPosts = foregroundCalls = closeCalls = 0;
    clipboard.reset();
    clipboardBusy = false;
    beeps = 0;
    errorBoxes.clear();
    launches.clear();
    mountKey.clear();
    mountHost.clear();
    AddFolder("C:\\work");
    qv::ResetProcessState();
}

void AddFile(const std::string& path, const std::string& content) { Insert(path, false, content); }
void AddFolder(const std::string& path) { Insert(path, true, std::string()); }
void RemovePath(const std::string& path) {
    std::string key = Key(path);
    nodes.erase(key);
    order.erase(std::remove(order.begin(), order.end(), key), order.end());
}
bool HasFile(const std::string& path) {
    const Node* node = Lookup(path);
    return node && !node->isFolder;
}
std::string FileContent(const std::string& path) {
    const Node* node = Lookup(path);
    return node ? node->content : std::string();
}
void MakeUnreadable(const std::string& path, size_t readableBytes) { unreadablePaths[Key(path)] = readableBytes; }
void MountHostFolder(const std::string& windowsPrefix, const std::string& hostFolder) {
    mountKey = Key(windowsPrefix);
    mountHost = hostFolder;
    while (!mountHost.empty() && mountHost.back() == '/') mountHost.pop_back();
}

std::vector<std::string> Labels(os::Menu menu) {
    std::vector<std::string> labels;
    for (auto& item : menu->items) labels.push_back(item.flags & os::kMfSeparator ? "-" : item.label);
    return labels;
}

const os::MenuObj::Item* FindItem(os::Menu menu, unsigned id) {
    const os::MenuObj::Item* found = nullptr;
    CollectMenus(menu, id, &found);
    return found;
}

}  // namespace fake

namespace os {
using namespace fake;

bool PathFileExists(const char* path) {
    std::string host;
    struct stat info;
    if (*path && HostPath(path, &host)) return stat(host.c_str(), &info) == 0;
    return *path && Lookup(path) != nullptr;
}
bool PathIsDirectory(const char* path) {
    std::string host;
    struct stat info;
    if (*path && HostPath(path, &host)) return stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    const Node* node = *path ? Lookup(path) : nullptr;
    return node && node->isFolder;
}

File OpenFileRead(const char* path, OpenMode mode) {
    if (!*path) return nullptr;
    std::string full = Absolute(path);
    const auto failing = unreadablePaths.find(Key(full));
    const size_t readable = failing == unreadablePaths.end() ? SIZE_MAX : failing->second;
    std::string host;
    if (HostPath(full, &host)) {
        struct stat info;
        const bool existed = stat(host.c_str(), &info) == 0;
        if (existed && S_ISDIR(info.st_mode)) return nullptr;
        int fd = open(host.c_str(), O_RDONLY | O_BINARY | (mode == OpenMode::always ? O_CREAT : 0), 0644);
        if (fd < 0) return nullptr;
        if (!existed) createdFiles.push_back(full);
        return new FileObj{std::string(), 0, readable, fd};
    }
    const Node* node = Lookup(full);
    if (node && node->isFolder) return nullptr;
    if (!node) {
        if (mode == OpenMode::existing || !Lookup(full.substr(0, LastSeparator(full) + 1)))
            return nullptr;
        AddFile(full, std::string());
        createdFiles.push_back(full);
        node = Lookup(full);
    }
    return new FileObj{node->content, 0, readable};
}
bool GetFileSize(File file, uint64_t* size) {
    struct stat info;
    if (file->fd >= 0) {
        if (fstat(file->fd, &info) != 0) return false;
        *size = uint64_t(info.st_size);
        return true;
    }
    *size = file->content.size();
    return true;
}
bool ReadFile(File file, char* buffer, size_t count, size_t* got) {
    ++readCallCount;
    *got = 0;
    if (file->position >= file->readable) return false;
    if (file->fd >= 0) {
        auto n = read(file->fd, buffer, count);
        if (n < 0) return false;
        *got = size_t(n);
        return true;
    }
    size_t n = std::min({count, file->content.size() - file->position, file->readable - file->position});
    std::memcpy(buffer, file->content.data() + file->position, n);
    file->position += n;
    *got = n;
    return true;
}
void CloseFile(File file) {
    if (file->fd >= 0) close(file->fd);
    delete file;
}

bool GetFullPathName(const char* name, std::string* fullPath) {
    if (!*name) return false;
    *fullPath = Absolute(name);
    for (auto& c : *fullPath)
        if (c == '/') c = '\\';
    return true;
}

bool GetLongPathName(const char* path, std::string* longPath) {  // the fake has no short names
    *longPath = path;
    return true;
}

bool SearchPath(const char* pathList, const char* name, std::string* found) {
    std::vector<std::string> folders;
    if (pathList) {
        std::string list = pathList;
        for (size_t start = 0; start <= list.size();) {
            size_t end = list.find(';', start);
            if (end == std::string::npos) end = list.size();
            if (end > start) folders.push_back(list.substr(start, end - start));
            start = end + 1;
        }
    } else {
        folders.push_back(currentDirectory);
        folders.insert(folders.end(), systemSearchFolders.begin(), systemSearchFolders.end());
    }
    for (auto folder : folders) {
        if (!qv::EndsWithBackslash(folder)) folder += '\\';
        std::string candidate = folder + name;
        if (Lookup(candidate) && candidate.size() < 260) {
            *found = candidate;
            return true;
        }
    }
    return false;
}

Find FindFirstFile(const char* pattern, FindEntry* entry) {
    std::string folder = pattern;
    folder = folder.substr(0, LastSeparator(folder));
    std::string host;
    if (HostPath(folder, &host)) {
        // The pattern's name part is not matched: the core searches "*.*" only.
        DIR* dir = opendir(host.c_str());
        if (!dir) return nullptr;
        auto search = new FindObj;
        search->dir = dir;
        search->hostFolder = host + '/';
        if (NextHostEntry(search, entry)) return search;
        FindClose(search);
        return nullptr;
    }
    folder = Key(folder);
    auto it = nodes.find(folder);
    if (it == nodes.end() || !it->second.isFolder) return nullptr;
    auto search = new FindObj;
    search->entries.push_back({".", true});
    search->entries.push_back({"..", true});
    for (auto& key : order)
        if (Parent(key) == folder) search->entries.push_back({nodes[key].name, nodes[key].isFolder});
    *entry = search->entries[search->next++];
    return search;
}
bool FindNextFile(Find search, FindEntry* entry) {
    if (search->dir) return NextHostEntry(search, entry);
    if (search->next >= search->entries.size()) return false;
    *entry = search->entries[search->next++];
    return true;
}
void FindClose(Find search) {
    if (search->dir) closedir(search->dir);
    delete search;
}

int CompareText(const char* a, const char* b) {
    for (;; ++a, ++b) {
        unsigned char x = *a, y = *b;
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return x < y ? -1 : 1;
        if (!x) return 0;
    }
}

Menu CreatePopupMenu() {
    Menu menu = new MenuObj;
    liveMenus.insert(menu);
    return menu;
}
Menu CreateMenu() {
    Menu menu = CreatePopupMenu();
    menu->popup = false;
    return menu;
}
bool AppendMenuItem(Menu menu, unsigned flags, unsigned id, const char* label) {
    MenuObj::Item item;
    item.flags = flags;
    item.id = id;
    item.label = (flags & (kMfSeparator | kMfOwnerDraw)) || !label ? "" : label;
    item.checked = flags & kMfChecked;
    item.ownerDraw = flags & kMfOwnerDraw;
    menu->items.push_back(item);
    return true;
}
static MenuObj::Item* ById(Menu menu, unsigned id) {
    for (auto& item : menu->items)
        if (item.id == id) return &item;
    return nullptr;
}
bool SetMenuItemSubmenu(Menu menu, unsigned id, Menu submenu) {
    auto item = ById(menu, id);
    if (!item) return false;
    item->submenu = submenu;
    return true;
}
bool SetMenuItemChecked(Menu menu, unsigned id, bool checked) {
    auto item = ById(menu, id);
    if (!item) return false;
    item->checked = checked;
    return true;
}
bool SetMenuItemOwnerDraw(Menu menu, unsigned id) {
    auto item = ById(menu, id);
    if (!item) return false;
    item->ownerDraw = true;
    return true;
}
int GetMenuItemId(Menu menu, int position) {
    if (position < 0 || position >= int(menu->items.size())) return -1;
    return int(menu->items[position].id);
}
int GetMenuItemCount(Menu menu) { return int(menu->items.size()); }
Menu GetSubMenu(Menu menu, int position) {
    if (position < 0 || position >= int(menu->items.size())) return nullptr;
    return menu->items[position].submenu;
}
bool DeleteMenuItemAt(Menu menu, int position) {
    if (position < 0 || position >= int(menu->items.size())) return false;
    if (Menu sub = menu->items[position].submenu) DestroyMenu(sub);
    menu->items.erase(menu->items.begin() + position);
    return true;
}
void DestroyMenu(Menu menu) {
    // Like Windows, destroying a menu destroys the submenus still attached to it.
    if (!liveMenus.count(menu)) return;
    liveMenus.erase(menu);
    for (auto& item : menu->items)
        if (item.submenu) DestroyMenu(item.submenu);
    delete menu;
}
int TrackPopupMenu(Menu menu, unsigned flags, int x, int y, Window) {
    trackCalls.push_back({menu, flags, x, y});
    if (trackScripts.empty()) return 0;
    auto script = trackScripts.front();
    trackScripts.pop_front();
    return script(menu);
}
void PostNullMessage(Window) { ++nullPosts; }
void PostLButtonDown(Window) { ++lbuttonPosts; }
void CloseWindow(Window) { ++closeCalls; }
bool SetForegroundWindow(Window) {
    ++foregroundCalls;
    return true;
}
void InstallMenuHooks(Window, MenuHookActions) { ++hooksInstalled; }
void RemoveMenuHooks() { ++hooksRemoved; }

bool GetCursorPos(Point* point) {
    if (!cursor) return false;
    *point = *cursor;
    return true;
}
Window GetForegroundWindow() { return foreground; }
bool GetWindowRect(Window window, Rect* rect) {
    auto it = windowRects.find(window);
    if (it == windowRects.end()) return false;
    *rect = it->second;
    return true;
}
int GetMonitorDpi(Window, Point) { return monitorDpi; }
bool IsKeyDown(int virtualKey) { return keysDown.count(virtualKey) > 0; }
void SendKeyPress(int virtualKey) { sentKeys.push_back(virtualKey); }

bool ClipboardHasText() { return clipboard.has_value(); }
bool ClipboardGetText(std::string* text) {
    if (clipboardBusy || !clipboard) return false;
    *text = *clipboard;
    return true;
}
bool ClipboardSetText(Window, const std::string_view* pieces, size_t count) {
    if (clipboardBusy) return false;
    size_t size = 0;
    for (size_t i = 0; i < count; ++i) size += pieces[i].size();
    clipboard.emplace();
    clipboard->reserve(size);
    for (size_t i = 0; i < count; ++i) clipboard->append(pieces[i]);
    clipboard->resize(clipboard->find('\0') == std::string::npos ? size : clipboard->find('\0'));  // CF_TEXT ends at its first NUL
    return true;
}
void InformationBeep() { ++beeps; }
void ShowErrorBox(Window, const char* text, const char* title) { errorBoxes.push_back({text, title}); }
void ShellExecute(const char* file, const char* parameters, const char* folder) {
    launches.push_back({file, parameters ? parameters : "", folder ? folder : "", parameters != nullptr,
                        folder != nullptr});
}

}  // namespace os
