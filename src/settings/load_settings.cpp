#include "settings/load_settings.h"

#include <string>

#include "common/file_block.h"
#include "common/program_paths.h"
#include "common/state.h"
#include "common/text.h"
#include "settings/launchers.h"
#include "settings/options.h"
#include "settings/section.h"

namespace qv {

namespace {

constexpr const char* kSettingsError = "設定ファイル異常";

os::File OpenSettingsFile() {
    ProgramPaths& paths = process::programPaths;
    const std::string own = DefaultSettingsPath();
    if (os::PathFileExists(paths.settingsPath.c_str()))
        return os::OpenFileRead(paths.settingsPath.c_str(), os::OpenMode::existing);
    paths.settingsPath = own;
    if (os::PathFileExists(own.c_str())) return os::OpenFileRead(own.c_str(), os::OpenMode::always);
    const std::string shared = std::string(paths.exeFolder.view()) + "Qivora.ini";
    paths.settingsPath = shared;
    if (os::PathFileExists(shared.c_str())) return os::OpenFileRead(shared.c_str(), os::OpenMode::always);
    paths.settingsPath = own;
    return os::OpenFileRead(own.c_str(), os::OpenMode::always);
}

void ApplyDefaults() {
    process::settings.submenuStyle = DefaultSubmenuStyle();
    process::settings.rootStyle = DefaultRootStyle();
    process::settings.sortByFilter = 0;
    process::settings.folderGrouping = 0;
    process::settings.editorPath.clear();
    process::settings.searchPathSet = 0;
}

// The keyword table: compared in this order, the first match decides.
void InterpretSystemLine(const std::string& line) {
    const size_t length = line.size();
    const std::string_view text = line;
    auto value = [&](size_t keywordLength) { return text.substr(keywordLength); };
    KeywordSets& sets = process::settings.keywordSets;

    if (StartsWithI(text, "@path=")) {
        if (length > 6) ApplySearchPathOption(text.substr(6));
    } else if (StartsWithI(text, "@menu=")) {
        if (process::settings.positionMode == positionUnset && length > 8) ParseMenuOption(value(6));
    } else if (StartsWithI(text, "@font=")) {
        if (length > 6) ParseFontOption(value(6));
    } else if (StartsWithI(text, "@text=")) {
        if (length > 6) ParseTextOption(value(6));
    } else if (StartsWithI(text, "@sub")) {
        process::settings.includeSubfolders = 1;
    } else if (StartsWithI(text, "@list=")) {
        if (length > 6) ParseListOption(value(6));
    } else if (StartsWithI(text, "@filter=")) {
        if (process::settings.extensionFilterCount == 0 && length > 9) ParseFilterOption(value(8));
    } else if (StartsWithI(text, "@editor=")) {
        ApplyEditorOption(text.substr(8));
    } else if (StartsWithI(text, "@grep") && length >= 7 && text[5] >= '0' && text[5] <= '9' && text[6] == '=') {
        const int set = text[5] - '0';
        if (sets.selected[set] != 1 && length > 7) ParseKeywordSet(text.substr(7), set);
    }
}

void ReadSystemSection(std::string_view content) {
    ForEachSectionLine(content, "[system]", [](const std::string& line) {
        if (!line.empty() && line[0] == ';') return true;
        if (IsSectionEnd(line)) return false;
        InterpretSystemLine(line);
        return true;
    });
    if (process::settings.positionMode == positionUnset) process::settings.positionMode = positionCenter;
    if (process::settings.extensionFilterCount == 0) {
        process::settings.extensionFilters[0] = ".txt";
        process::settings.extensionFilterCount = 1;
    }
}

bool Fail(os::Window window) {
    os::SetForegroundWindow(window);
    os::ShowErrorBox(window, kSettingsError, "Qivora");
    return false;
}

}  // namespace

bool LoadSettings(os::Window window) {
    os::File file = OpenSettingsFile();
    if (!file) return Fail(window);
    FileBlock block;
    ReadResult result = ReadOpenFile(file, &block);
    os::CloseFile(file);
    if (result != ReadResult::ok) return Fail(window);
    ApplyDefaults();
    ReadSystemSection(block.view());
    ReadExecSection(block.view());
    return true;
}

}  // namespace qv
