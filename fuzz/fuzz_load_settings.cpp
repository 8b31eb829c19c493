// LoadSettings on any bytes: it reads them, never writes, never fails.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "fuzz_machine.h"
#include "settings/load_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ResetMachine();
    fake::AddFile(fuzz::kSettingsPath, std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(qv::LoadSettings(nullptr));
    FUZZ_CHECK(fake::errorBoxes.empty());
    FUZZ_CHECK(fake::createdFiles.empty());
    FUZZ_CHECK(fake::launches.empty() && !fake::clipboard);
    FUZZ_CHECK(qv::process::launcherCount >= 1);
    const int position = qv::process::settings.positionMode;
    FUZZ_CHECK(position >= qv::positionActive && position <= qv::positionCenter);
    FUZZ_CHECK(qv::process::settings.extensionFilterCount >= 1);
    fuzz::CheckSettings();
    return 0;
}
