#include "fake_os.h"

#include <algorithm>
#include <cstring>

#include "common/text.h"
#include "process_reset.h"

struct os::FindObj { std::vector<os::FindEntry> entries; size_t next = 0; };

namespace fake {

namespace {
struct Node {
    std::string key, name;  // key: the full path in lower case, without a trailing backslash; name: as written
    bool isFolder = false;
    std::string content;
    size_t readable = SIZE_MAX;
};
std::vector<Node> nodes;  // in the order they were made: the "system order" of a listing

// The second byte of a double-byte character (表 is 0x95 0x5C) is neither a
// separator nor a letter.
size_t LastSeparator(std::string_view path) {
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); i += qv::IsLeadByte(path[i]) ? 2 : 1)
        if (path[i] == '\\' || path[i] == '/') last = i;
    return last;
}
std::string Absolute(const std::string& name) {
    return (name.size() >= 2 && name[1] == ':') || (!name.empty() && name[0] == '\\') ? name : currentDirectory + name;
}
// Windows takes "/" for "\\" and compares names without case.
std::string Key(std::string path) {
    path = Absolute(path);
    for (size_t i = 0; i < path.size(); i += qv::IsLeadByte(path[i]) ? 2 : 1)
        path[i] = path[i] == '/' ? '\\' : char(qv::Lower(path[i]));
    while (!path.empty() && qv::EndsWithBackslash(path)) path.pop_back();
    return path;
}
std::string Parent(const std::string& key) { return key.substr(0, std::min(LastSeparator(key), key.size())); }
Node* Lookup(const std::string& path) {
    const std::string key = Key(path);
    for (Node& node : nodes)
        if (!path.empty() && node.key == key) return &node;
    return nullptr;
}
void Insert(const std::string& path, bool folder, const std::string& content) {
    const std::string full = Absolute(path), key = Key(full), parent = Parent(key);
    if (parent != key && !Lookup(parent)) AddFolder(full.substr(0, parent.size()));
    Node* node = Lookup(key) ? Lookup(key) : &nodes.emplace_back();
    *node = Node{key, full.substr(LastSeparator(full) + 1), folder, content};
}
bool Host(const std::string& path, bool* folder) {
    return hostFiles && !path.empty() && hostFiles->Exists(Absolute(path), folder);
}
template <class... T> void Clear(T&... values) { ((values = T()), ...); }
}  // namespace

void Reset() {
    for (auto menu : liveMenus) delete menu;
    Clear(nodes, createdFiles, hostFiles, liveMenus, trackScripts, keysDown, sentKeys, foreground, windowRects,
          hooksInstalled, lbuttonPosts, closeCalls, clipboard, clipboardBusy, beeps, errorBoxes, launches);
    currentDirectory = "C:\\work\\";
    systemSearchFolders = {"C:\\Windows\\System32\\", "C:\\Windows\\"};
    cursor = os::Point{100, 200};
    monitorDpi = 96;
    AddFolder("C:\\work");
    qv::ResetProcessState();
}

void AddFile(const std::string& path, const std::string& content) { Insert(path, false, content); }
void AddFolder(const std::string& path) { Insert(path, true, std::string()); }
void RemovePath(const std::string& path) {
    nodes.erase(std::remove_if(nodes.begin(), nodes.end(), [&](const Node& n) { return n.key == Key(path); }),
                nodes.end());
}
bool HasFile(const std::string& path) { return Lookup(path) && !Lookup(path)->isFolder; }
std::string FileContent(const std::string& path) { return Lookup(path) ? Lookup(path)->content : std::string(); }
void MakeUnreadable(const std::string& path, size_t readableBytes) {
    if (Node* node = Lookup(path)) node->readable = readableBytes;
}

}  // namespace fake

bool os::FileObj::Read(char* buffer, size_t count, size_t* got) {
    *got = 0;
    if (position >= readable) return false;
    *got = std::min({count, content.size() - position, readable - position});
    std::memcpy(buffer, content.data() + position, *got);
    position += *got;
    return true;
}

namespace os {
using namespace fake;

bool PathFileExists(const char* path) {
    bool folder = false;
    return Host(path, &folder) || Lookup(path);
}
bool PathIsDirectory(const char* path) {
    bool folder = false;
    return Host(path, &folder) ? folder : Lookup(path) && Lookup(path)->isFolder;
}
File OpenFileRead(const char* path, OpenMode mode) {
    bool folder = false;
    if (Host(path, &folder)) return folder ? nullptr : hostFiles->Open(Absolute(path));
    const std::string full = Absolute(path);
    if (*path && !Lookup(full) && mode == OpenMode::always && Lookup(full.substr(0, LastSeparator(full) + 1))) {
        AddFile(full, std::string());
        createdFiles.push_back(full);
    }
    const Node* node = Lookup(path);
    if (!node || node->isFolder) return nullptr;
    auto file = new FileObj;
    file->content = node->content;
    file->readable = node->readable;
    return file;
}
bool GetFileSize(File file, uint64_t* size) {
    *size = file->Size();
    return true;
}
bool ReadFile(File file, char* buffer, size_t count, size_t* got) { return file->Read(buffer, count, got); }
void CloseFile(File file) { delete file; }

bool GetFullPathName(const char* name, std::string* fullPath) {
    *fullPath = Absolute(name);
    std::replace(fullPath->begin(), fullPath->end(), '/', '\\');
    return *name;
}
bool GetLongPathName(const char* path, std::string* longPath) {  // no short names here
    *longPath = path;
    return true;
}
bool SearchPath(const char* pathList, const char* name, std::string* found) {
    std::string list = pathList ? pathList : currentDirectory;
    for (const auto& folder : systemSearchFolders) list += pathList ? "" : ";" + folder;
    for (size_t at = 0, end; at < list.size(); at = end + 1) {
        end = std::min(list.find(';', at), list.size());
        const std::string folder = list.substr(at, end - at);
        *found = folder + (qv::EndsWithBackslash(folder) ? "" : "\\") + name;
        if (!folder.empty() && Lookup(*found) && found->size() < 260) return true;
    }
    return false;
}
Find FindFirstFile(const char* pattern, FindEntry* entry) {
    const std::string folder = std::string(pattern).substr(0, LastSeparator(pattern));
    const Node* node = Lookup(folder);
    auto search = new FindObj;
    if ((!hostFiles || !hostFiles->List(Absolute(folder), &search->entries)) && node && node->isFolder) {
        search->entries = {{".", true}, {"..", true}};
        for (const Node& n : nodes)
            if (Parent(n.key) == Key(folder)) search->entries.push_back({n.name, n.isFolder});
    }
    if (FindNextFile(search, entry)) return search;
    delete search;
    return nullptr;
}
bool FindNextFile(Find search, FindEntry* entry) {
    if (search->next >= search->entries.size()) return false;
    *entry = search->entries[search->next++];
    return true;
}
void FindClose(Find search) { delete search; }

int CompareText(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const unsigned char x = qv::Lower(*a), y = qv::Lower(*b);
        if (x != y || !x) return x < y ? -1 : x > y;
    }
}

Menu CreatePopupMenu() { return *liveMenus.insert(new MenuObj).first; }
Menu CreateMenu() { return CreatePopupMenu(); }
bool AppendMenuItem(Menu menu, unsigned flags, unsigned id, const char* label) {
    menu->items.push_back({flags, id, label && !(flags & (kMfSeparator | kMfOwnerDraw)) ? label : "", nullptr});
    return true;
}
// Changes the item of command id; false when there is none.
template <class Change>
static bool Set(Menu menu, unsigned id, Change change) {
    for (auto& item : menu->items)
        if (item.id == id) return change(item), true;
    return false;
}
bool SetMenuItemSubmenu(Menu menu, unsigned id, Menu sub) { return Set(menu, id, [=](auto& i) { i.submenu = sub; }); }
bool SetMenuItemOwnerDraw(Menu menu, unsigned id) { return Set(menu, id, [](auto& i) { i.flags |= kMfOwnerDraw; }); }
bool SetMenuItemChecked(Menu menu, unsigned id, bool on) {
    return Set(menu, id, [=](auto& i) { i.flags = on ? i.flags | kMfChecked : i.flags & ~kMfChecked; });
}
static MenuObj::Item* At(Menu menu, int position) {
    return position >= 0 && position < int(menu->items.size()) ? &menu->items[position] : nullptr;
}
int GetMenuItemId(Menu menu, int position) { return At(menu, position) ? int(At(menu, position)->id) : -1; }
int GetMenuItemCount(Menu menu) { return int(menu->items.size()); }
Menu GetSubMenu(Menu menu, int position) { return At(menu, position) ? At(menu, position)->submenu : nullptr; }
bool DeleteMenuItemAt(Menu menu, int position) {
    if (!At(menu, position)) return false;
    if (At(menu, position)->submenu) DestroyMenu(At(menu, position)->submenu);
    menu->items.erase(menu->items.begin() + position);
    return true;
}
// As on Windows, the submenus still attached go with their menu.
void DestroyMenu(Menu menu) {
    if (!liveMenus.erase(menu)) return;
    for (auto& item : menu->items)
        if (item.submenu) DestroyMenu(item.submenu);
    delete menu;
}
int TrackPopupMenu(Menu menu, unsigned, int, int, Window) {
    if (trackScripts.empty()) return 0;
    const auto script = trackScripts.front();
    trackScripts.pop_front();
    return script(menu);
}
void PostNullMessage(Window) {}
void PostLButtonDown(Window) { ++lbuttonPosts; }
void CloseWindow(Window) { ++closeCalls; }
bool SetForegroundWindow(Window) { return true; }
void InstallMenuHooks(Window, MenuHookActions) { ++hooksInstalled; }
void RemoveMenuHooks() { --hooksInstalled; }

bool GetCursorPos(Point* point) {
    *point = cursor.value_or(*point);
    return cursor.has_value();
}
Window GetForegroundWindow() { return foreground; }
bool GetWindowRect(Window window, Rect* rect) {
    *rect = windowRects.count(window) ? windowRects[window] : *rect;
    return windowRects.count(window);
}
int GetMonitorDpi(Window, Point) { return monitorDpi; }
bool IsKeyDown(int virtualKey) { return keysDown.count(virtualKey); }
void SendKeyPress(int virtualKey) { sentKeys.push_back(virtualKey); }

bool ClipboardHasText() { return clipboard.has_value(); }
bool ClipboardGetText(std::string* text) {
    if (clipboardBusy || !clipboard) return false;
    *text = *clipboard;
    return true;
}
bool ClipboardSetText(Window, const std::string_view* pieces, size_t count) {
    if (clipboardBusy) return false;
    clipboard.emplace();
    for (size_t i = 0; i < count; ++i) clipboard->append(pieces[i]);
    clipboard->resize(std::min(clipboard->size(), clipboard->find('\0')));  // CF_TEXT ends at its first NUL
    return true;
}
void InformationBeep() { ++beeps; }
void ShowErrorBox(Window, const char* text, const char* title) { errorBoxes.push_back({text, title}); }
void ShellExecute(const char* file, const char* parameters, const char* folder) {
    auto given = [](const char* text) { return text ? std::optional<std::string>(text) : std::nullopt; };
    launches.push_back({file, given(parameters), given(folder)});
}

}  // namespace os
