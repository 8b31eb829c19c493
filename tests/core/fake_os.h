// The in-memory operating system of the unit tests: files, folders, clipboard,
// shell, menus and a scripted TrackPopupMenu. Paths compare without case.
// One host folder can stand in for a Windows folder, for the benchmarks' real files.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "os/os.h"

struct os::MenuObj {
    struct Item {
        unsigned flags = 0;
        unsigned id = 0;
        std::string label;
        os::Menu submenu = nullptr;
        bool checked = false;
        bool ownerDraw = false;
    };
    std::vector<Item> items;
    bool popup = true;
    bool destroyed = false;
};

namespace fake {

void Reset();  // an empty machine; also qv::ResetProcessState()

// ---- files
void AddFile(const std::string& path, const std::string& content);
void AddFolder(const std::string& path);  // parents are created too
void RemovePath(const std::string& path);
bool HasFile(const std::string& path);
std::string FileContent(const std::string& path);
extern std::map<std::string, size_t> unreadablePaths;  // lower-case path: bytes readable before ReadFile fails
extern std::vector<std::string> createdFiles;  // files that OpenMode::always created
extern size_t readCallCount;                   // ReadFile calls, for tests of I/O
extern std::string currentDirectory;           // ends in a backslash
extern std::vector<std::string> systemSearchFolders;  // SearchPath with no path list
void MakeUnreadable(const std::string& path, size_t readableBytes = 0);
// Paths under windowsPrefix (any case) name the host folder's real files and
// folders from then on, a backslash read as '/'; one mount at a time.
void MountHostFolder(const std::string& windowsPrefix, const std::string& hostFolder);

// ---- menus
extern std::set<os::Menu> liveMenus;  // created and not destroyed
struct TrackCall {
    os::Menu menu;
    unsigned flags;
    int x, y;
};
extern std::vector<TrackCall> trackCalls;
// Each TrackPopupMenu call takes the front script, which may act on the open
// menu (handlers, hooks) and returns the chosen command; none left returns 0.
extern std::deque<std::function<int(os::Menu)>> trackScripts;
std::vector<std::string> Labels(os::Menu menu);
const os::MenuObj::Item* FindItem(os::Menu menu, unsigned id);  // searches submenus too

// ---- windows, keyboard, screen
extern std::set<int> keysDown;
extern std::vector<int> sentKeys;
extern std::optional<os::Point> cursor;  // none: GetCursorPos fails
extern os::Window foreground;
extern std::map<os::Window, os::Rect> windowRects;
extern int monitorDpi;  // of every monitor
extern int hooksInstalled, hooksRemoved, nullPosts, lbuttonPosts, foregroundCalls, closeCalls;

// ---- clipboard, sound, messages, shell
extern std::optional<std::string> clipboard;  // none: no CF_TEXT
extern bool clipboardBusy;                    // OpenClipboard fails
extern int beeps;
struct ErrorBox {
    std::string text, title;
};
extern std::vector<ErrorBox> errorBoxes;
struct Launch {
    std::string file, parameters, folder;
    bool hasParameters, hasFolder;
};
extern std::vector<Launch> launches;

}  // namespace fake
