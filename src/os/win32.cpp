// The operating-system seam on Win32 (ANSI entry points).
#include <windows.h>

#include <climits>
#include <cstring>
#include <cwchar>
#include <string_view>

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
// GetDpiForWindow is USER32's own (Windows 10 1607 on), so nothing is loaded for
// it; a per-monitor aware window has the DPI of the monitor it stands on.
int GetMonitorDpi(Window window, Point point) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && SetWindowPos(Hwnd(window), nullptr, point.x, point.y, 1, 1,
                                        SWP_NOZORDER | SWP_NOACTIVATE))
        return static_cast<int>(getDpiForWindow(Hwnd(window)));
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}
bool IsKeyDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }
void SendKeyPress(int virtualKey) {
    keybd_event(static_cast<BYTE>(virtualKey), 0, 0, 0);
    keybd_event(static_cast<BYTE>(virtualKey), 0, KEYEVENTF_KEYUP, 0);
}

namespace {
// MultiByteToWideChar(932) into out, which has room for one unit per byte; the
// number of units made, or -1.
ptrdiff_t Cp932Units(std::string_view text, wchar_t* out) {
    constexpr size_t kPiece = 1 << 20;  // bytes per call, far inside the API's int counts
    ptrdiff_t made = 0;
    while (!text.empty()) {
        size_t count = text.size() < kPiece ? text.size() : kPiece;
        if (count < text.size()) {  // a double-byte character stays whole
            size_t end = 0;
            while (end < count) end += IsDBCSLeadByteEx(932, static_cast<BYTE>(text[end])) ? 2 : 1;
            count = end;
        }
        const int units = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(count), out + made,
                                              static_cast<int>(count));
        if (units <= 0) return -1;
        made += units;
        text.remove_prefix(count);
    }
    return made;
}
// Whether the code-page-932 text reads as the Unicode one.
bool SaysTheSame(std::string_view text, std::wstring_view unicode) {
    std::wstring read(text.size(), L'\0');
    const ptrdiff_t units = Cp932Units(text, read.data());
    return units >= 0 && std::wstring_view(read.data(), units) == unicode;
}
HGLOBAL NewBlock(size_t size) { return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size); }
}  // namespace

bool Cp932ToWide(std::string_view text, std::u16string* wide) {
    wide->assign(text.size(), u'\0');
    const ptrdiff_t units = Cp932Units(text, reinterpret_cast<wchar_t*>(wide->data()));
    wide->resize(units > 0 ? size_t(units) : 0);
    return units >= 0;
}

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}
// The Unicode text is what was copied: the CF_TEXT that Windows makes from it
// follows the keyboard layout active at the time, and an English one garbles
// Japanese. Where the CF_TEXT says the same (our own copies), its bytes are
// kept, as code page 932 writes some characters in two ways.
bool ClipboardGetText(std::string* text) {
    if (!OpenClipboard(nullptr)) return false;
    HANDLE ansi = GetClipboardData(CF_TEXT), unicode = GetClipboardData(CF_UNICODETEXT);
    auto bytes = ansi ? static_cast<const char*>(GlobalLock(ansi)) : nullptr;
    auto wide = unicode ? static_cast<const wchar_t*>(GlobalLock(unicode)) : nullptr;
    bool ok = bytes || wide;
    if (bytes) *text = std::string(bytes, strnlen(bytes, GlobalSize(ansi)));
    if (wide) {
        const std::wstring_view copied(wide, wcsnlen(wide, GlobalSize(unicode) / sizeof(wchar_t)));
        if (!bytes || !SaysTheSame(*text, copied)) {
            text->assign(2 * copied.size(), '\0');
            size_t written = 0;
            ok = WideToCp932(std::u16string_view(reinterpret_cast<const char16_t*>(copied.data()), copied.size()),
                             text->data(), text->size(), &written);
            text->resize(written);
        }
        GlobalUnlock(unicode);
    }
    if (bytes) GlobalUnlock(ansi);
    CloseClipboard();
    return ok;
}
bool ClipboardSetText(Window owner, const std::string_view* pieces, size_t count) {
    // Opened without an owner, the clipboard would be emptied and then refuse the text.
    if (!owner) return false;
    size_t size = 0;
    for (size_t i = 0; i < count; ++i) size += pieces[i].size();
    // CF_TEXT as it always was; CF_UNICODETEXT converted here with code page 932,
    // where Windows would use the keyboard layout's; CF_LOCALE for the programs
    // that convert CF_TEXT themselves.
    struct {
        UINT format;
        HGLOBAL block;
    } items[] = {{CF_UNICODETEXT, NewBlock((size + 1) * sizeof(wchar_t))},
                 {CF_TEXT, NewBlock(size + 1)},
                 {CF_LOCALE, NewBlock(sizeof(LCID))}};
    auto freeUntaken = [&items] {
        for (auto& item : items)
            if (item.block) GlobalFree(item.block);
    };
    ptrdiff_t units = -1;
    if (items[0].block && items[1].block && items[2].block) {
        auto wide = static_cast<wchar_t*>(GlobalLock(items[0].block));
        auto bytes = static_cast<char*>(GlobalLock(items[1].block));
        auto locale = static_cast<LCID*>(GlobalLock(items[2].block));
        if (wide && bytes && locale) {
            size_t at = 0;
            for (size_t i = 0; i < count; at += pieces[i++].size())
                if (!pieces[i].empty()) std::memcpy(bytes + at, pieces[i].data(), pieces[i].size());
            units = Cp932Units(std::string_view(bytes, size), wide);
            *locale = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
        }
        for (auto& item : items) GlobalUnlock(item.block);
        // Japanese takes fewer units than bytes.
        if (units >= 0)
            if (HGLOBAL smaller = GlobalReAlloc(items[0].block, (units + 1) * sizeof(wchar_t), 0)) items[0].block = smaller;
    }
    // Everything is made before the clipboard is emptied, so a failure up to
    // here leaves it as it was.
    if (units < 0 || !OpenClipboard(Hwnd(owner))) {
        freeUntaken();
        return false;
    }
    EmptyClipboard();
    bool ok = true;
    for (auto& item : items) {
        if (SetClipboardData(item.format, item.block)) item.block = nullptr;  // the clipboard's now
        else ok = false;
    }
    CloseClipboard();
    freeUntaken();
    return ok;
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
