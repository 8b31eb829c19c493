// ApplySwitches and FindStartPath on any command line, then the settings they
// steer: the start path exists and fits, every table stays within its size.
#include <string>

#include "fuzz_machine.h"
#include "settings/load_settings.h"
#include "settings/switches.h"

FUZZ_MACHINE(input) {
    fake::AddFile(fuzz::kSettingsPath, "[system]\r\n@menu=1\r\n@filter=.txt;.md\r\n@grep1=a | b\r\n%end\r\n");
    fake::AddFile("C:\\q\\other.ini", "[system]\r\n@grep3=x\r\n");
    const std::string commandLine = input.ConsumeRemainingBytesAsString();
    qv::ApplySwitches(commandLine);
    qv::FindStartPath(commandLine);
    FUZZ_CHECK(qv::process::startMode == 0 || qv::process::startMode == 1);
    if (qv::process::startMode == 1) {
        FUZZ_CHECK(!qv::process::startPath.empty());
        FUZZ_CHECK(os::PathFileExists(qv::process::startPath.c_str()));
    }
    FUZZ_CHECK(os::PathFileExists(qv::process::programPaths.settingsPath.c_str()));
    fuzz::CheckSettings();
    // "/#s=" with nothing after it names the program's folder, which reads as a broken settings file.
    const bool folder = os::PathIsDirectory(qv::process::programPaths.settingsPath.c_str());
    FUZZ_CHECK(qv::LoadSettings(nullptr) == !folder);
    FUZZ_CHECK(fake::errorBoxes.size() == (folder ? 1u : 0u));
    FUZZ_CHECK(fake::createdFiles.empty());
    fuzz::CheckSettings();
}
