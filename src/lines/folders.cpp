#include "lines/folders.h"

#include <cstdio>
#include <string>
#include <algorithm>
#include <utility>
#include <vector>

#include "common/path_split.h"
#include "common/state.h"
#include "menu/popup.h"

namespace qv {

namespace {

constexpr size_t kPathLimit = 260;  // a listed path holds fewer characters
const char kAllFiles[] = "*.*";

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

void AppendFile(const std::string& path, const std::string& name, int folderNumber) {
    if (path.size() >= kPathLimit) return;  // cannot be held; the listing goes on
    if (process::fileCount >= kMaxFiles) return;
    int index = FindFilterIndex(SplitPath(name).extension);
    if (index < 0) return;
    FileEntry& entry = process::fileList[process::fileCount++];
    entry.path = path;
    entry.folderNumber = folderNumber;
    entry.filterIndex = index;
}

// The files of one folder, then its subfolders in the order the system gave
// them: one search serves both. A failed search stops the whole listing.
void ListOwnFilesThenSubfolders(const std::string& folder, int folderNumber) {
    os::FindEntry entry;
    os::Find search = os::FindFirstFile((folder + kAllFiles).c_str(), &entry);
    if (!search) {
        process::listingStopped = 1;
        return;
    }
    std::vector<std::string> subfolders;
    do {
        if (IsDotEntry(entry.name)) continue;
        if (entry.isDirectory) {
            subfolders.push_back(folder + entry.name);
            continue;
        }
        AppendFile(folder + entry.name, entry.name, folderNumber);
        if (process::fileCount >= kMaxFiles) process::listingStopped = 1;
    } while (!process::listingStopped && os::FindNextFile(search, &entry));
    os::FindClose(search);
    if (process::listingStopped) return;
    if (!process::settings.includeSubfolders) {
        process::listingStopped = 1;
        return;
    }
    for (const std::string& subfolder : subfolders) {
        // A folder whose search pattern is too long cannot be searched; skip it.
        if (subfolder.size() + 1 + sizeof kAllFiles - 1 >= kPathLimit) continue;
        ListFolder(subfolder);
        if (process::listingStopped) break;
    }
}

std::string SortKey(const FileEntry& entry) {
    std::string name = SplitPath(entry.path.view()).name;
    bool byFolder = process::settings.folderGrouping != 0;
    char numbers[32] = "";
    if (process::settings.sortByFilter == 1 && byFolder)
        std::snprintf(numbers, sizeof numbers, "%02d%02d", entry.folderNumber, entry.filterIndex);
    else if (process::settings.sortByFilter == 1)
        std::snprintf(numbers, sizeof numbers, "%02d", entry.filterIndex);
    else if (byFolder)
        std::snprintf(numbers, sizeof numbers, "%02d", entry.folderNumber);
    return numbers + name;
}

void AppendFileItem(os::Menu root, unsigned flags, int index) {
    PathParts parts = SplitPath(process::fileList[index].path.view());
    std::string label = parts.name + parts.extension;
    os::AppendMenuItem(root, flags, cmdFileFirst + unsigned(index), label.c_str());
}

int FindCurrentFile() {
    for (int i = 0; i < process::fileCount; ++i)
        if (EqualsI(process::fileList[i].path.view(), process::startPath.view())) return i;
    return 0;
}

// A named file whose extension is not listed gets it in front, so that the
// file itself is listed and, sorted by extension, comes first.
void InsertExtension(const std::string& extension) {
    Settings& s = process::settings;
    if (FindFilterIndex(extension) >= 0 || s.extensionFilterCount >= kMaxExtensions) return;
    int count = s.extensionFilterCount < 0 ? 0 : s.extensionFilterCount;
    for (int i = count; i > 0; --i) s.extensionFilters[i] = s.extensionFilters[i - 1];
    s.extensionFilters[0] = extension;
    s.extensionFilterCount = count + 1;
}

}  // namespace

void ShowStartMenu(os::Window window) {
    if (process::startMode == 1) {
        std::string folder;
        if (os::PathIsDirectory(process::startPath.c_str())) {
            folder = process::startPath.c_str();
        } else {
            process::startMode = 2;
            PathParts parts = SplitPath(process::startPath.view());
            folder = parts.drive + parts.folder;
            InsertExtension(parts.extension);
        }
        process::folderCounter = -1;
        process::fileCount = 0;
        process::listingStopped = 0;
        ListFolder(folder);
        SortFileList();
    }
    if (process::startMode == 2) {
        if (process::fileCount == 0) process::startMode = 0;
        else process::currentFile = FindCurrentFile();
    }
    ShowPopupMenu(window, process::startMode);
    os::CloseWindow(window);
}

void ListFolder(std::string_view folder) {
    std::string d(folder);
    if (!d.empty() && !EndsWithBackslash(d)) d += '\\';
    ListOwnFilesThenSubfolders(d, ++process::folderCounter);
}

// An empty entry matches exactly the names without an extension.
int FindFilterIndex(std::string_view extension) {
    for (int i = 0; i < process::settings.extensionFilterCount && i < kMaxExtensions; ++i)
        if (EqualsI(process::settings.extensionFilters[i].view(), extension)) return i;
    return -1;
}

// The exchange sort below decides the order of equal keys, which users see;
// it runs on ranks so that the locale comparison, slow on Windows, is called
// n log n times instead of n * n / 2, and entries move once at the end.
void SortFileList() {
    const int count = process::fileCount < kMaxFiles ? process::fileCount : kMaxFiles;
    std::string keys[kMaxFiles];
    int byKey[kMaxFiles];
    for (int i = 0; i < count; ++i) {
        keys[i] = SortKey(process::fileList[i]);
        byKey[i] = i;
    }
    std::stable_sort(byKey, byKey + count,
                     [&keys](int a, int b) { return os::CompareText(keys[a].c_str(), keys[b].c_str()) < 0; });
    int rank[kMaxFiles];
    for (int k = 0; k < count; ++k)
        rank[byKey[k]] = k > 0 && os::CompareText(keys[byKey[k - 1]].c_str(), keys[byKey[k]].c_str()) == 0
                             ? rank[byKey[k - 1]]
                             : k;
    int order[kMaxFiles];
    for (int i = 0; i < count; ++i) order[i] = i;
    for (int i = 0; i + 1 < count; ++i)
        for (int j = i + 1; j < count; ++j)
            if (rank[order[i]] > rank[order[j]]) std::swap(order[i], order[j]);
    static FileEntry sorted[kMaxFiles];  // too large for the stack of a window procedure
    for (int i = 0; i < count; ++i) sorted[i] = process::fileList[order[i]];
    std::copy(sorted, sorted + count, process::fileList);
}

void BuildFolderList(os::Menu root) {
    if (process::fileCount == 0) {
        os::AppendMenuItem(root, os::kMfString, cmdTitle, "non file");
        return;
    }
    int inColumn = 0;
    bool breakPending = false;
    int lastFolder = 0;
    for (int i = 0; i < process::fileCount; ++i) {
        if (inColumn >= process::screenMetrics.itemsPerPage) breakPending = true;
        unsigned flags = os::kMfString;
        // A column ends only where the folder changes.
        if (process::fileList[i].folderNumber != lastFolder) {
            if (breakPending || process::settings.folderGrouping == 2) {
                flags = os::kMfMenuBarBreak;
                inColumn = 0;
                breakPending = false;
            } else if (process::settings.folderGrouping == 1) {
                os::AppendMenuItem(root, os::kMfSeparator, cmdFolderSeparator, nullptr);
                ++inColumn;
            }
            lastFolder = process::fileList[i].folderNumber;
        }
        AppendFileItem(root, flags, i);
        ++inColumn;
        os::SetMenuItemSubmenu(root, cmdFileFirst + unsigned(i), os::CreateMenu());
    }
}

}  // namespace qv
