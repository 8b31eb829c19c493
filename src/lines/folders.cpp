#include "lines/folders.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "common/path_split.h"
#include "common/state.h"

namespace qv {

namespace {

// The listing's own progress: folders are numbered as they are visited, and
// the listing stops at the first failed search or the 200th file.
struct Listing {
    int folderCounter = -1;
    bool stopped = false;
};

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
void ListOwnFilesThenSubfolders(std::string folder, Listing* listing) {
    if (!folder.empty() && !EndsWithBackslash(folder)) folder += '\\';
    const int folderNumber = ++listing->folderCounter;
    os::FindEntry entry;
    os::Find search = os::FindFirstFile((folder + kAllFiles).c_str(), &entry);
    if (!search) {
        listing->stopped = true;
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
        if (process::fileCount >= kMaxFiles) listing->stopped = true;
    } while (!listing->stopped && os::FindNextFile(search, &entry));
    os::FindClose(search);
    if (listing->stopped) return;
    if (!process::settings.includeSubfolders) {
        listing->stopped = true;
        return;
    }
    for (const std::string& subfolder : subfolders) {
        // A folder whose search pattern is too long cannot be searched; skip it.
        if (subfolder.size() + 1 + sizeof kAllFiles - 1 >= kPathLimit) continue;
        ListOwnFilesThenSubfolders(subfolder, listing);
        if (listing->stopped) break;
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

}  // namespace

void ListFolder(std::string_view folder) {
    process::fileCount = 0;
    Listing listing;
    ListOwnFilesThenSubfolders(std::string(folder), &listing);
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
    std::vector<FileEntry> sorted;  // on the heap: too large for the stack of a window procedure
    sorted.reserve(size_t(count));
    for (int i = 0; i < count; ++i) sorted.push_back(process::fileList[order[i]]);
    std::copy(sorted.begin(), sorted.end(), process::fileList);
}

}  // namespace qv
