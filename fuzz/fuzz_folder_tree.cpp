// A tree of folders and files (dotted names, names without an extension, 0x5C trail bytes) under any
// extension list: the listing holds at most 200 files, each once, within the limits, in the documented order,
// files of equal keys in the order they were found.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_machine.h"
#include "lines/folders.h"
#include "settings/option_values.h"

void Fuzz(FuzzedDataProvider&& input) {
    // Never two names apart only in case: the system would take them for one.
    static const char* const kStems[] = {"a", "B", "memo", "10", "1", "\x95\x5C", "\xB1", "a.b", "x."};
    static const char* const kExtensions[] = {"", ".txt", ".Md", ".", ".gz", ".\x95\x5C"};
    qv::Settings& s = qv::process::settings;
    qv::ParseFilterOption(input.ConsumeRandomLengthString(40));
    qv::ParseListOption(input.ConsumeRandomLengthString(8));
    s.includeSubfolders = input.ConsumeBool();
    std::vector<std::string> folders = {"C:\\r\\"};
    std::map<std::string, std::string> names;  // of the files, by path
    while (input.remaining_bytes() > 0 && folders.size() + names.size() < 400) {
        const std::string folder = folders[input.ConsumeIntegralInRange<size_t>(0, folders.size() - 1)];
        std::string path = folder + input.PickValueInArray(kStems);
        for (int n = input.ConsumeIntegralInRange(0, 2); n > 0; --n) path += input.PickValueInArray(kStems);
        if (input.ConsumeBool()) path.resize(std::max<size_t>(path.size(), input.ConsumeIntegralInRange(248, 262)), 'x');
        const std::string extension = input.PickValueInArray(kExtensions);
        const bool isFolder = input.ConsumeIntegralInRange(0, 3) == 0;
        // In bulk: past 200 files, folder numbers of three digits, one name in many folders.
        for (int k = 0, copies = input.ConsumeBool() ? 1 : input.ConsumeIntegralInRange(2, 120); k < copies; ++k) {
            const std::string made = path + (copies > 1 ? std::to_string(k) : "") + extension;
            if (isFolder) fake::AddFolder(made), folders.push_back(made + "\\");
            else fake::AddFile(made, ""), names[made] = made.substr(folder.size());
        }
    }

    qv::ListFolder("C:\\r");
    std::map<std::string, int> found;  // where the listing found each file: files of equal keys stay so
    for (int i = 0; i < qv::process::fileCount; ++i) found[qv::process::fileList[i].path.c_str()] = i;
    qv::SortFileList();
    FUZZ_CHECK(qv::process::fileCount <= qv::kMaxFiles);
    const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    std::string previous;
    int previousFound = -1;
    for (int i = 0; i < qv::process::fileCount; ++i) {
        const qv::FileEntry& entry = qv::process::fileList[i];
        const auto file = names.extract(entry.path.c_str());  // listed once
        FUZZ_CHECK(!file.empty() && entry.path.size() < 260);
        const std::string& name = file.mapped();
        const std::string stem = name.substr(0, name.rfind('.')), extension = name.substr(stem.size());
        FUZZ_CHECK(entry.filterIndex >= 0 && entry.filterIndex == qv::FindFilterIndex(extension));
        const std::string key = (s.folderGrouping != 0 ? twoDigits(entry.folderNumber) : "") +
                                (s.sortByFilter == 1 ? twoDigits(entry.filterIndex) : "") + stem;
        const int order = os::CompareText(std::exchange(previous, key).c_str(), key.c_str());
        FUZZ_CHECK(order < 0 || (order == 0 && found[entry.path.c_str()] > previousFound));
        previousFound = found[entry.path.c_str()];
    }
}
