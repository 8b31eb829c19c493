// The operating-system seam on Win32 (ANSI entry points).
#include <windows.h>

#include <climits>
#include <cstring>

// The seam keeps the plain Win32 names; the ANSI functions are called by name.
#undef PathFileExists
#undef PathIsDirectory
#undef GetFullPathName
#undef GetLongPathName
#undef SearchPath
#undef FindFirstFile
#undef FindNextFile
#undef ShellExecute

#include "os/os.h"

namespace os {

// The core decides on these values as Windows gives them.
static_assert(kMfString == MF_STRING && kMfChecked == MF_CHECKED && kMfPopup == MF_POPUP &&
              kMfMenuBarBreak == MF_MENUBARBREAK && kMfOwnerDraw == MF_OWNERDRAW && kMfSeparator == MF_SEPARATOR);
static_assert(kTpmRightButton == TPM_RIGHTBUTTON && kTpmCenterAlign == TPM_CENTERALIGN &&
              kTpmVCenterAlign == TPM_VCENTERALIGN && kTpmReturnCmd == TPM_RETURNCMD);
static_assert(kVkShift == VK_SHIFT && kVkControl == VK_CONTROL && kVkPrior == VK_PRIOR && kVkNext == VK_NEXT &&
              kVkUp == VK_UP && kVkDown == VK_DOWN && kVkSpace == VK_SPACE && kVkInsert == VK_INSERT);

namespace {
HWND Hwnd(Window window) { return reinterpret_cast<HWND>(window); }
HMENU Hmenu(Menu menu) { return reinterpret_cast<HMENU>(menu); }
HANDLE Handle(File file) { return reinterpret_cast<HANDLE>(file); }
HHOOK mouseHook = nullptr;
HHOOK keyboardHook = nullptr;
MenuHookActions hookActions{};

struct FindState {
    HANDLE handle;
    WIN32_FIND_DATAA data;
};
void ToEntry(const WIN32_FIND_DATAA& data, FindEntry* entry) {
    entry->name = data.cFileName;
    entry->isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
bool SetItemInfo(Menu menu, unsigned id, MENUITEMINFOA& info) {
    info.cbSize = sizeof(MENUITEMINFOA);
    return SetMenuItemInfoA(Hmenu(menu), id, FALSE, &info) != 0;
}
}  // namespace

// What PathFileExistsA and PathIsDirectoryA do, without importing SHLWAPI
// (and SHCORE with it), which costs a noticeable part of the start-up.
namespace {
DWORD Attributes(const char* path) {
    if (!path) return INVALID_FILE_ATTRIBUTES;
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);  // no "insert a disk" box
    const DWORD attributes = GetFileAttributesA(path);
    SetErrorMode(previous);
    return attributes;
}
}  // namespace
bool PathFileExists(const char* path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }
bool PathIsDirectory(const char* path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

File OpenFileRead(const char* path, OpenMode mode) {
    // Shared as a viewer shares: a log another program is writing can be read.
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                mode == OpenMode::always ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : reinterpret_cast<File>(handle);
}
bool GetFileSize(File file, uint64_t* size) {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(Handle(file), &value)) return false;
    *size = static_cast<uint64_t>(value.QuadPart);
    return true;
}
bool ReadFile(File file, char* buffer, size_t count, size_t* got) {
    DWORD read = 0;
    DWORD ask = count > (1u << 30) ? (1u << 30) : static_cast<DWORD>(count);
    BOOL ok = ::ReadFile(Handle(file), buffer, ask, &read, nullptr);
    *got = read;
    return ok != 0;
}
void CloseFile(File file) { CloseHandle(Handle(file)); }

namespace {
// A path an ANSI function wrote: it fits in MAX_PATH or is none.
bool TakePath(DWORD length, const char* buffer, std::string* path) {
    if (length == 0 || length >= MAX_PATH) return false;
    *path = buffer;
    return true;
}
}  // namespace
bool GetFullPathName(const char* name, std::string* fullPath) {
    char buffer[MAX_PATH];
    return TakePath(GetFullPathNameA(name, MAX_PATH, buffer, nullptr), buffer, fullPath);
}
bool GetLongPathName(const char* path, std::string* longPath) {
    char buffer[MAX_PATH];
    return TakePath(GetLongPathNameA(path, buffer, MAX_PATH), buffer, longPath);
}
bool SearchPath(const char* pathList, const char* name, std::string* found) {
    char buffer[MAX_PATH];
    return TakePath(SearchPathA(pathList, name, nullptr, MAX_PATH, buffer, nullptr), buffer, found);
}

Find FindFirstFile(const char* pattern, FindEntry* entry) {
    auto state = new FindState;
    state->handle = FindFirstFileA(pattern, &state->data);
    if (state->handle == INVALID_HANDLE_VALUE) {
        delete state;
        return nullptr;
    }
    ToEntry(state->data, entry);
    return reinterpret_cast<Find>(state);
}
bool FindNextFile(Find search, FindEntry* entry) {
    auto state = reinterpret_cast<FindState*>(search);
    if (!FindNextFileA(state->handle, &state->data)) return false;
    ToEntry(state->data, entry);
    return true;
}
void FindClose(Find search) {
    auto state = reinterpret_cast<FindState*>(search);
    ::FindClose(state->handle);
    delete state;
}
int CompareText(const char* a, const char* b) {
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL;
}

bool WideToCp932(std::u16string_view text, char* out, size_t room, size_t* written) {
    constexpr size_t kPiece = 1 << 20;  // units per call, far inside the API's int counts
    *written = 0;
    while (!text.empty()) {
        size_t count = text.size() < kPiece ? text.size() : kPiece;
        if (count < text.size() && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF) --count;  // a pair stays whole
        const size_t left = room - *written;
        const int space = left > INT_MAX ? INT_MAX : static_cast<int>(left);
        if (space == 0) return false;  // 0 would ask for the size instead
        const int made = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(text.data()),
                                             static_cast<int>(count), out + *written, space, "?", nullptr);
        if (made <= 0) return false;
        *written += static_cast<size_t>(made);
        text.remove_prefix(count);
    }
    return true;
}

Menu CreatePopupMenu() { return reinterpret_cast<Menu>(::CreatePopupMenu()); }
Menu CreateMenu() { return reinterpret_cast<Menu>(::CreateMenu()); }
bool AppendMenuItem(Menu menu, unsigned flags, unsigned id, const char* label) {
    // An owner-drawn item's data is its own id.
    LPCSTR data = (flags & MF_OWNERDRAW) ? reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(id)) : label;
    return AppendMenuA(Hmenu(menu), flags, id, data) != 0;
}
bool SetMenuItemSubmenu(Menu menu, unsigned id, Menu submenu) {
    MENUITEMINFOA info{};
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = Hmenu(submenu);
    return SetItemInfo(menu, id, info);
}
bool SetMenuItemChecked(Menu menu, unsigned id, bool checked) {
    MENUITEMINFOA info{};
    info.fMask = MIIM_STATE;
    info.fState = checked ? MFS_CHECKED : 0;
    return SetItemInfo(menu, id, info);
}
bool SetMenuItemOwnerDraw(Menu menu, unsigned id) {
    MENUITEMINFOA info{};
    info.fMask = MIIM_TYPE;
    info.fType = MFT_OWNERDRAW;
    return SetItemInfo(menu, id, info);
}
int GetMenuItemId(Menu menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(MENUITEMINFOA);
    info.fMask = MIIM_ID;
    if (!GetMenuItemInfoA(Hmenu(menu), static_cast<UINT>(position), TRUE, &info)) return -1;
    return static_cast<int>(info.wID);
}
int GetMenuItemCount(Menu menu) { return ::GetMenuItemCount(Hmenu(menu)); }
Menu GetSubMenu(Menu menu, int position) { return reinterpret_cast<Menu>(::GetSubMenu(Hmenu(menu), position)); }
bool DeleteMenuItemAt(Menu menu, int position) { return DeleteMenu(Hmenu(menu), position, MF_BYPOSITION) != 0; }
void DestroyMenu(Menu menu) { ::DestroyMenu(Hmenu(menu)); }
int TrackPopupMenu(Menu menu, unsigned flags, int x, int y, Window owner) {
    return ::TrackPopupMenu(Hmenu(menu), flags, x, y, 0, Hwnd(owner), nullptr);
}
void PostNullMessage(Window window) { PostMessageA(Hwnd(window), WM_NULL, 0, 0); }
void PostLButtonDown(Window window) { PostMessageA(Hwnd(window), WM_LBUTTONDOWN, 0, 0); }
void CloseWindow(Window window) { SendMessageA(Hwnd(window), WM_CLOSE, 0, 0); }
bool SetForegroundWindow(Window window) { return ::SetForegroundWindow(Hwnd(window)) != 0; }

static LRESULT CALLBACK MenuMouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (hookActions.mouse(code, static_cast<unsigned>(wParam))) return 1;
    return CallNextHookEx(mouseHook, code, wParam, lParam);
}
static LRESULT CALLBACK MenuKeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (hookActions.keyboard(code, static_cast<unsigned>(wParam), static_cast<uint32_t>(lParam))) return 1;
    return CallNextHookEx(keyboardHook, code, wParam, lParam);
}
void InstallMenuHooks(Window window, MenuHookActions actions) {
    hookActions = actions;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    mouseHook = SetWindowsHookExA(WH_MOUSE, MenuMouseHookProc, instance,
                                  GetWindowThreadProcessId(Hwnd(window), nullptr));
    keyboardHook = SetWindowsHookExA(WH_KEYBOARD, MenuKeyboardHookProc, instance,
                                     GetWindowThreadProcessId(Hwnd(window), nullptr));
}
void RemoveMenuHooks() {
    if (mouseHook) UnhookWindowsHookEx(mouseHook);
    if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
}

bool GetCursorPos(Point* point) {
    POINT p;
    if (!::GetCursorPos(&p)) return false;
    point->x = p.x;
    point->y = p.y;
    return true;
}
Window GetForegroundWindow() { return reinterpret_cast<Window>(::GetForegroundWindow()); }
bool GetWindowRect(Window window, Rect* rect) {
    RECT r;
    if (!window || !::GetWindowRect(Hwnd(window), &r)) return false;
    *rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}
bool IsKeyDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }
void SendKeyPress(int virtualKey) {
    keybd_event(static_cast<BYTE>(virtualKey), 0, 0, 0);
    keybd_event(static_cast<BYTE>(virtualKey), 0, KEYEVENTF_KEYUP, 0);
}

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != 0; }
bool ClipboardGetText(std::string* text) {
    if (!OpenClipboard(nullptr)) return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (auto bytes = static_cast<const char*>(GlobalLock(data))) {
            *text = std::string(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
            ok = true;
        }
    }
    CloseClipboard();
    return ok;
}
bool ClipboardSetText(Window owner, const std::string_view* pieces, size_t count) {
    size_t size = 0;
    for (size_t i = 0; i < count; ++i) size += pieces[i].size();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + 1);
    if (!block) return false;
    auto bytes = static_cast<char*>(GlobalLock(block));
    if (!bytes) {
        GlobalFree(block);
        return false;
    }
    for (size_t i = 0; i < count; bytes += pieces[i++].size())
        if (!pieces[i].empty()) std::memcpy(bytes, pieces[i].data(), pieces[i].size());
    GlobalUnlock(block);
    if (!OpenClipboard(Hwnd(owner))) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
        CloseClipboard();
        return false;
    }
    CloseClipboard();
    return true;
}
void InformationBeep() { MessageBeep(MB_ICONASTERISK); }
void ShowErrorBox(Window owner, const char* text, const char* title) {
    MessageBoxA(Hwnd(owner), text, title, MB_ICONERROR);
}
namespace {
// A system library from the system folder, never a file of its name beside the
// program. Systems before Windows 8 may refuse the flag: then the full path, and
// the libraries it needs looked for beside it first.
HMODULE LoadSystemLibrary(const char* name) {
    HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryExA((std::string(folder) + "\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
}  // namespace
// SHELL32 is loaded only when a program is started: as an import it would be
// loaded with the program, which costs more than the rest of its start-up.
void ShellExecute(const char* file, const char* parameters, const char* workingFolder) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    HMODULE shell = LoadSystemLibrary("shell32.dll");
    if (!shell) return;
    auto execute = reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteA")));
    if (execute) execute(nullptr, nullptr, file, parameters, workingFolder, SW_SHOWNORMAL);
}

}  // namespace os
