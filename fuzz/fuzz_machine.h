// A small fake machine shared by the fuzz targets: the program's folder, a few
// files and folders (one with a double-byte name whose trail byte is 0x5C),
// a mouse and a screen.
#pragma once
#include "common/state.h"
#include "fake_os.h"

namespace fuzz {

constexpr const char* kExeFolder = "C:\\q\\";
constexpr const char* kSettingsPath = "C:\\q\\Qivora.ini";

inline void ResetMachine() {
    fake::Reset();
    qv::process::programPaths.exeFolder = kExeFolder;
    qv::process::programPaths.baseName = "Qivora";
    qv::process::programPaths.settingsPath = kSettingsPath;
    qv::process::screenMetrics.screenWidth = 1920;
    qv::process::screenMetrics.maximizedHeight = 1040;
    qv::process::screenMetrics.mouseButtons = 3;
    qv::process::screenMetrics.itemsPerPage = 40;
    fake::AddFile("C:\\q\\edit.exe", "");
    fake::AddFile("C:\\q\\paths.txt", "set path=C:\\a;C:\\b\r\n");
    fake::AddFile("C:\\d\\a.txt", "one\ntwo\n");
    fake::AddFile("C:\\d\\\x95\x5C\\b.txt", "x");
    fake::AddFile("C:\\d e\\c.txt", "y");
    fake::AddFolder("C:\\d\\sub");
    fake::systemSearchFolders = {"C:\\q\\"};
}

}  // namespace fuzz
