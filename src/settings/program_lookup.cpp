#include "settings/program_lookup.h"

#include <string>

#include "common/split_line.h"
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

void SetSearchPath(std::string_view list) {
    process::settings.searchPath = list;
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
    SetSearchPath(value);
}

// The list is what follows the first "path=" on its line (so a batch file's
// SET line serves), else the whole text without line ends.
void ReadSearchPathFile(const char* path) {
    process::settings.searchPathSet = 0;
    TextBlock block;
    if (ReadWholeFile(path, os::OpenMode::existing, CodeMode::automatic, &block) != ReadResult::ok) return;
    const std::string_view content = block.view();
    constexpr size_t kHeld = decltype(Settings::searchPath)::kCapacity;
    LineCutter cutter(2 * kHeld);  // room for what stands before "path="
    std::string whole;
    for (size_t offset = 0; offset < content.size();) {
        std::string_view line;
        offset += SplitLine(content, offset, &cutter, &line);
        if (const size_t key = FindI(line, "path="); key != std::string_view::npos) return SetSearchPath(line.substr(key + 5));
        // One byte more than is held tells whether the cut splits a character.
        if (whole.size() <= kHeld) whole.append(line.substr(0, kHeld + 1 - whole.size()));
    }
    SetSearchPath(whole);
}

// "@editor=" the program that opens the settings file and the manual.
void ApplyEditorOption(std::string_view value) {
    std::string path;
    const bool found = ResolveProgramPath(value, true, &path);
    if (IsExistingFile(found, path)) process::settings.editorPath = path;
}

}  // namespace qv
