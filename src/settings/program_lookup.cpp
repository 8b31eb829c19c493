#include "settings/program_lookup.h"

#include <string>

#include "common/text_file.h"
#include "common/state.h"
#include "common/text.h"

namespace qv {

namespace {

// A name that exists as written: its full path when that fits in 259 characters.
std::string FullPathOr(const std::string& name, const std::string& fallback) {
    std::string full;
    if (os::GetFullPathName(name.c_str(), &full) && full.size() < 260) return full;
    return fallback;
}

bool Search(const char* pathList, const std::string& name, bool tryExe, std::string* path) {
    if (os::SearchPath(pathList, name.c_str(), path)) return true;
    return tryExe && os::SearchPath(pathList, (name + ".exe").c_str(), path);
}

bool IsExistingFile(bool found, const std::string& path) { return found && !os::PathIsDirectory(path.c_str()); }

// Copies text leaving out the bytes in drop, up to what searchPath holds. One
// byte more is collected so that the cut can see whether a character is whole.
void CopySearchPath(std::string_view text, std::string_view drop) {
    std::string copied;
    for (char c : text) {
        if (copied.size() > process::settings.searchPath.kCapacity) break;
        if (drop.find(c) == std::string_view::npos) copied.push_back(c);
    }
    process::settings.searchPath = copied;
    // A NUL byte ends the stored text: what is left may be nothing.
    process::settings.searchPathSet = process::settings.searchPath.empty() ? 0 : 1;
}

}  // namespace

bool ResolveProgramPath(std::string_view nameText, bool tryExe, std::string* path) {
    const std::string name(nameText);
    *path = name;
    if (name.empty()) return false;
    if (os::PathFileExists(name.c_str())) {
        *path = FullPathOr(name, name);
        return true;
    }
    const std::string withExe = name + ".exe";
    if (tryExe && os::PathFileExists(withExe.c_str())) {
        *path = FullPathOr(withExe, name);
        return true;
    }
    std::string found;
    if ((process::settings.searchPathSet == 1 && Search(process::settings.searchPath.c_str(), name, tryExe, &found)) ||
        Search(nullptr, name, tryExe, &found)) {
        *path = found;
        return true;
    }
    return false;
}

// "@path=" folder;folder;...  or the name of a file that holds such a list.
void ApplySearchPathOption(std::string_view value) {
    std::string path;
    const bool found = ResolveProgramPath(value, false, &path);
    if (IsExistingFile(found, path)) {
        ReadSearchPathFile(path.c_str());
        return;
    }
    process::settings.searchPath = value;
    process::settings.searchPathSet = process::settings.searchPath.empty() ? 0 : 1;
}

// The list is what follows the first "path=" up to the line end (so a batch
// file's SET line serves), else the whole text without line ends.
void ReadSearchPathFile(const char* path) {
    process::settings.searchPathSet = 0;
    TextBlock block;
    if (ReadWholeFile(path, os::OpenMode::existing, CodeMode::automatic, &block) != ReadResult::ok) return;
    const std::string_view content = block.view();
    const size_t key = FindI(content, "path=");
    if (key == std::string_view::npos) {
        CopySearchPath(content, std::string_view("\t\r\n", 3));
        return;
    }
    std::string_view rest = content.substr(key + 5);
    rest = rest.substr(0, rest.find_first_of("\r\n"));
    CopySearchPath(rest, "\t");
}

// "@editor=" the program that opens the settings file and the manual.
void ApplyEditorOption(std::string_view value) {
    std::string path;
    const bool found = ResolveProgramPath(value, true, &path);
    if (IsExistingFile(found, path)) process::settings.editorPath = path;
}

}  // namespace qv
