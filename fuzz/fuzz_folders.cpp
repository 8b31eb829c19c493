// The folder listing and its order on a generated tree (dotted names, names
// without extension, names near 260 characters, a double-byte name whose trail
// byte is 0x5C) under any extension list (an empty entry among them) and list
// options: ListFolder lists exactly what a plain walk of the tree finds (a
// folder's own files before its subfolders, folders numbered as visited, paths
// of 260 characters or more and folders too long to search skipped, at most
// 200, every extension in the list at its first place), every listed file
// exists, and SortFileList leaves the order of a plain exchange sort of the
// documented keys compared with os::CompareText.
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_machine.h"
#include "lines/folders.h"

namespace {

constexpr int kRoot = -1;

struct Node {
    int folder;  // the node of its folder, or kRoot
    std::string path, name;
    bool isFolder;
};
struct Listed {
    std::string path, name;
    int folderNumber, filterIndex;
};

const char* const kExtensions[] = {"", ".txt", ".TXT", ".md", ".", ".gz", ".Md"};

std::string Lower(std::string text) {
    for (char& c : text) c = fuzz::LowerAscii(c);
    return text;
}

int ReferenceFilterIndex(const std::string& name) {
    const size_t dot = name.rfind('.');  // no name here holds a lead byte before a dot
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    const qv::Settings& s = qv::process::settings;
    for (int i = 0; i < s.extensionFilterCount; ++i)
        if (Lower(std::string(s.extensionFilters[i].view())) == Lower(extension)) return i;
    return -1;
}

// Returns true when the listing stops.
bool Walk(const std::vector<Node>& tree, int folder, int* counter, std::vector<Listed>* listed) {
    const int number = ++*counter;
    for (const Node& node : tree) {
        if (node.folder != folder || node.isFolder) continue;
        const int index = ReferenceFilterIndex(node.name);
        if (node.path.size() < 260 && index >= 0) listed->push_back({node.path, node.name, number, index});
        if (listed->size() == qv::kMaxFiles) return true;
    }
    if (!qv::process::settings.includeSubfolders) return true;
    for (size_t k = 0; k < tree.size(); ++k) {
        const Node& node = tree[k];
        if (node.folder == folder && node.isFolder && node.path.size() + 4 < 260 && Walk(tree, int(k), counter, listed))
            return true;
    }
    return false;
}

std::string SortKey(const Listed& entry) {
    const qv::Settings& s = qv::process::settings;
    char numbers[32] = "";
    if (s.sortByFilter == 1 && s.folderGrouping != 0)
        std::snprintf(numbers, sizeof numbers, "%02d%02d", entry.folderNumber, entry.filterIndex);
    else if (s.sortByFilter == 1) std::snprintf(numbers, sizeof numbers, "%02d", entry.filterIndex);
    else if (s.folderGrouping != 0) std::snprintf(numbers, sizeof numbers, "%02d", entry.folderNumber);
    return numbers + entry.name.substr(0, entry.name.rfind('.'));
}

void CheckFileList(const std::vector<Listed>& expected) {
    FUZZ_CHECK(qv::process::fileCount == int(expected.size()));
    for (int i = 0; i < qv::process::fileCount; ++i) {
        const qv::FileEntry& entry = qv::process::fileList[i];
        FUZZ_CHECK(entry.path.view() == expected[i].path && fake::HasFile(expected[i].path));
        FUZZ_CHECK(entry.folderNumber == expected[i].folderNumber && entry.filterIndex == expected[i].filterIndex);
    }
}

}  // namespace

FUZZ_MACHINE(input) {
    const char* const stems[] = {"a", "B", "memo", "10", "1", "\x95\x5C", "\xB1", "a.b", "x."};  // 表: a 0x5C trail byte
    qv::Settings& s = qv::process::settings;
    s.extensionFilterCount = input.ConsumeIntegralInRange(1, 6);
    for (int i = 0; i < s.extensionFilterCount; ++i) s.extensionFilters[i] = input.PickValueInArray(kExtensions);
    s.includeSubfolders = input.ConsumeBool();
    s.sortByFilter = input.ConsumeIntegralInRange(0, 2);
    s.folderGrouping = input.ConsumeIntegralInRange(0, 3);

    const std::string root = "C:\\r";
    const std::string listedFolder = input.ConsumeBool() ? root + "\\" : root;
    fake::AddFolder(root);
    std::vector<Node> tree;
    std::vector<int> folders = {kRoot};
    std::set<std::string> taken;  // paths compare without case
    while (input.remaining_bytes() > 0 && tree.size() < 400) {
        const int folder = folders[input.ConsumeIntegralInRange<size_t>(0, folders.size() - 1)];
        const bool isFolder = input.ConsumeIntegralInRange(0, 3) == 0;
        std::string stem;
        for (int n = input.ConsumeIntegralInRange(1, 3); n > 0; --n) stem += input.PickValueInArray(stems);
        const std::string extension = input.PickValueInArray(kExtensions);
        const std::string parent = (folder == kRoot ? root : tree[folder].path) + "\\";
        // Padded to a path of about 260 characters, where the limits of files and searches lie.
        const size_t padded = input.ConsumeIntegralInRange(0, 3) == 0 ? input.ConsumeIntegralInRange(252, 262) : 0;
        if (parent.size() + stem.size() + extension.size() < padded)
            stem.resize(padded - parent.size() - extension.size(), 'x');
        // Numbered in bulk: 200 files, folder numbers of three digits, equal names in many folders.
        const int copies = input.ConsumeBool() ? 1 : input.ConsumeIntegralInRange(2, 120);
        for (int k = 0; k < copies; ++k) {
            const std::string name = stem + (copies > 1 ? std::to_string(k) : "") + extension;
            const std::string path = parent + name;
            if (!taken.insert(Lower(path)).second) continue;
            tree.push_back({folder, path, name, isFolder});
            if (!isFolder) {
                fake::AddFile(path, "");
                continue;
            }
            fake::AddFolder(path);
            folders.push_back(int(tree.size() - 1));
        }
    }

    int counter = -1;
    std::vector<Listed> expected;
    Walk(tree, kRoot, &counter, &expected);
    qv::ListFolder(listedFolder);
    CheckFileList(expected);

    std::vector<std::string> keys;
    for (const Listed& entry : expected) keys.push_back(SortKey(entry));
    for (size_t i = 0; i + 1 < expected.size(); ++i)
        for (size_t j = i + 1; j < expected.size(); ++j)
            if (os::CompareText(keys[i].c_str(), keys[j].c_str()) > 0) {
                std::swap(keys[i], keys[j]);
                std::swap(expected[i], expected[j]);
            }
    qv::SortFileList();
    CheckFileList(expected);
}
