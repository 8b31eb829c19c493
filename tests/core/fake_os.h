// The in-memory operating system of the unit tests, the fuzz targets and the
// benchmarks: files, folders, clipboard, shell, menus and a scripted
// TrackPopupMenu. Paths are cp932 and compare without case.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "os/os.h"

struct os::MenuObj {
    struct Item { unsigned flags, id; std::string label; os::Menu submenu; };  // flags as they are set later too
    std::vector<Item> items;
};

// An open file; the benchmarks' real files derive from it.
struct os::FileObj {
    virtual ~FileObj() = default;
    virtual bool Read(char* buffer, size_t count, size_t* got);
    virtual uint64_t Size() const { return content.size(); }
    std::string content;
    size_t position = 0, readable = SIZE_MAX;  // ReadFile fails from readable on
};

namespace fake {

void Reset();  // an empty machine, and the program's records as it starts

void AddFile(const std::string& path, const std::string& content);
void AddFolder(const std::string& path);  // parents are made too
void RemovePath(const std::string& path);
bool HasFile(const std::string& path);
std::string FileContent(const std::string& path);
void MakeUnreadable(const std::string& path, size_t readableBytes = 0);
inline std::vector<std::string> createdFiles;         // made by OpenMode::always
inline std::string currentDirectory;                  // ends in a backslash
inline std::vector<std::string> systemSearchFolders;  // SearchPath without a list
// Files beside the in-memory ones, asked first: the benchmarks' (bench/host_files.cpp).
struct HostFiles {
    virtual bool Exists(const std::string& path, bool* folder) = 0;
    virtual os::File Open(const std::string& path) = 0;
    virtual bool List(const std::string& folder, std::vector<os::FindEntry>* entries) = 0;
};
inline HostFiles* hostFiles;

inline std::set<os::Menu> liveMenus;  // made and not destroyed
// Each TrackPopupMenu takes the front script, which may act on the open menu
// and returns the command chosen; with none left it returns 0.
inline std::deque<std::function<int(os::Menu)>> trackScripts;

inline std::set<int> keysDown;
inline std::vector<int> sentKeys;
inline std::optional<os::Point> cursor;  // none: GetCursorPos fails
inline os::Window foreground;
inline std::map<os::Window, os::Rect> windowRects;
inline int monitorDpi, hooksInstalled, lbuttonPosts, closeCalls;  // hooks: installed and not removed

inline std::optional<std::string> clipboard;  // none: no text
inline bool clipboardBusy;
inline int beeps;
struct ErrorBox { std::string text, title; };
inline std::vector<ErrorBox> errorBoxes;
struct Launch { std::string file; std::optional<std::string> parameters, folder; };  // none: passed as null
inline std::vector<Launch> launches;

}  // namespace fake
