#include "settings/load_settings.h"

#include <string>

#include "common/text_file.h"
#include "common/program_paths.h"
#include "common/state.h"
#include "settings/launchers.h"
#include "settings/system_keywords.h"

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

bool Fail(os::Window window) {
    os::SetForegroundWindow(window);
    os::ShowErrorBox(window, kSettingsError, "Qivora");
    return false;
}

}  // namespace

bool LoadSettings(os::Window window) {
    os::File file = OpenSettingsFile();
    if (!file) return Fail(window);
    // Read before "@code=" is known: its code is always recognised.
    TextBlock block;
    ReadResult result = ReadOpenFile(file, CodeMode::automatic, &block);
    os::CloseFile(file);
    if (result != ReadResult::ok) return Fail(window);
    ApplyDefaults();
    ReadSystemSection(block.view());
    ReadExecSection(block.view());
    return true;
}

}  // namespace qv
