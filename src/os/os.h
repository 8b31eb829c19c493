// The one seam to the operating system. The program links win32.cpp; the unit
// tests and the benchmarks link tests/core/fake_os.cpp. Names and values follow
// Win32's meaning. Nothing here knows the rest of the program.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace os {

struct MenuObj;
struct WindowObj;
struct FileObj;
struct FindObj;
using Menu = MenuObj*;
using Window = WindowObj*;
using File = FileObj*;
using Find = FindObj*;

// ---- files and folders
bool PathFileExists(const char* path);   // a folder exists too
bool PathIsDirectory(const char* path);
enum class OpenMode { existing, always };  // OPEN_EXISTING, OPEN_ALWAYS (creates an empty file)
File OpenFileRead(const char* path, OpenMode mode);  // nullptr when it cannot be opened
bool GetFileSize(File file, uint64_t* size);
// Reads sequentially from the current position; *got = 0 at the end.
bool ReadFile(File file, char* buffer, size_t count, size_t* got);
void CloseFile(File file);
bool GetFullPathName(const char* name, std::string* fullPath);  // false on failure
// GetLongPathNameA: an existing path with each 8.3 name in its long form.
bool GetLongPathName(const char* path, std::string* longPath);  // false on failure
// SearchPathA with no extension; pathList null means the system's search order.
// Succeeds only with a result of 1..259 characters.
bool SearchPath(const char* pathList, const char* name, std::string* found);

struct FindEntry {
    std::string name;
    bool isDirectory = false;
};
Find FindFirstFile(const char* pattern, FindEntry* entry);  // nullptr when the search fails
bool FindNextFile(Find search, FindEntry* entry);
void FindClose(Find search);
// CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE): <0, 0 or >0.
int CompareText(const char* a, const char* b);

// ---- text
// WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS) with "?" as the default
// character: a character without a cp932 form becomes "?", never a look-alike
// (é is not "e", ¥ is not a backslash). Writes at most room bytes to out (2 per unit
// are always enough) and sets *written; false when the conversion fails.
// Systems differ in how many "?" a surrogate pair gives.
bool WideToCp932(std::u16string_view text, char* out, size_t room, size_t* written);
// MultiByteToWideChar(932): the Unicode form of code-page-932 text, where the
// conversion above leads back from every character it does not turn into "?".
// False when the conversion fails.
bool Cp932ToWide(std::string_view text, std::u16string* wide);

// ---- menus
constexpr unsigned kMfString = 0x0, kMfChecked = 0x8, kMfPopup = 0x10, kMfMenuBarBreak = 0x20,
                   kMfOwnerDraw = 0x100, kMfSeparator = 0x800;
constexpr unsigned kTpmRightButton = 0x2, kTpmCenterAlign = 0x4, kTpmVCenterAlign = 0x10,
                   kTpmReturnCmd = 0x100;
Menu CreatePopupMenu();
Menu CreateMenu();
// An owner-drawn item carries its id as item data; a separator ignores the label.
bool AppendMenuItem(Menu menu, unsigned flags, unsigned id, const char* label);
bool SetMenuItemSubmenu(Menu menu, unsigned id, Menu submenu);  // by command, MIIM_SUBMENU
bool SetMenuItemChecked(Menu menu, unsigned id, bool checked);  // by command, MIIM_STATE
bool SetMenuItemOwnerDraw(Menu menu, unsigned id);              // by command, MIIM_TYPE
int GetMenuItemId(Menu menu, int position);                     // by position, MIIM_ID; -1 on failure
int GetMenuItemCount(Menu menu);
Menu GetSubMenu(Menu menu, int position);
bool DeleteMenuItemAt(Menu menu, int position);  // DeleteMenu by position: destroys its submenu
void DestroyMenu(Menu menu);
int TrackPopupMenu(Menu menu, unsigned flags, int x, int y, Window owner);
void PostNullMessage(Window window);
void CloseWindow(Window window);  // SendMessageA WM_CLOSE
void PostLButtonDown(Window window);
bool SetForegroundWindow(Window window);
// While a menu is tracked, the hooks ask these whether an input is to be
// swallowed (true) or passed on.
struct MenuHookActions {
    bool (*mouse)(int code, unsigned message);
    bool (*keyboard)(int code, unsigned virtualKey, uint32_t keyData);
};
void InstallMenuHooks(Window window, MenuHookActions actions);
void RemoveMenuHooks();

// ---- screen, windows, keyboard
struct Point {
    int x = 0, y = 0;
};
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
bool GetCursorPos(Point* point);
Window GetForegroundWindow();
bool GetWindowRect(Window window, Rect* rect);
// The DPI of the monitor at point: GetDpiForWindow of window (a hidden one)
// once moved there, or the screen's LOGPIXELSY where the system lacks it; 0
// when neither answers.
int GetMonitorDpi(Window window, Point point);
constexpr int kVkShift = 0x10, kVkControl = 0x11, kVkPrior = 0x21, kVkNext = 0x22, kVkUp = 0x26,
              kVkDown = 0x28, kVkSpace = 0x20, kVkInsert = 0x2D;
bool IsKeyDown(int virtualKey);  // high bit of GetKeyState
void SendKeyPress(int virtualKey);  // keybd_event press, then release

// ---- clipboard (code-page-932 text), sound, messages, shell
bool ClipboardHasText();                  // IsClipboardFormatAvailable, Unicode or ANSI text
// The Unicode text in code page 932 ("?" for what it lacks), or the CF_TEXT
// bytes where they read as that text; false: cannot open, or no data.
bool ClipboardGetText(std::string* text);
// Replaces the content with the pieces joined, as CF_TEXT, as CF_UNICODETEXT
// converted from code page 932, and CF_LOCALE Japanese, owned by owner; false
// (no owner, no memory, the clipboard busy) leaves it as it was.
bool ClipboardSetText(Window owner, const std::string_view* pieces, size_t count);
void InformationBeep();                   // MessageBeep(MB_ICONASTERISK)
void ShowErrorBox(Window owner, const char* text, const char* title);  // MB_ICONERROR
// ShellExecuteA with the default verb and SW_SHOWNORMAL; null parameters or folder are passed as null.
void ShellExecute(const char* file, const char* parameters, const char* workingFolder);

}  // namespace os
