// LoadSettings on any bytes: it reads them, never writes, never fails.
#include "fuzz_machine.h"
#include "settings/launchers.h"
#include "settings/load_settings.h"

FUZZ_MACHINE(input) {
    fake::AddFile(fuzz::kSettingsPath, input.ConsumeRemainingBytesAsString());
    FUZZ_CHECK(qv::LoadSettings(nullptr));
    FUZZ_CHECK(fake::errorBoxes.empty());
    FUZZ_CHECK(fake::createdFiles.empty());
    FUZZ_CHECK(fake::launches.empty() && !fake::clipboard);
    qv::ReadLaunchers(qv::kMaxLaunchers);  // the [exec] entries are read when a menu needs them
    FUZZ_CHECK(qv::process::launcherCount >= 1);
    const int position = qv::process::settings.positionMode;
    FUZZ_CHECK(position >= qv::positionActive && position <= qv::positionCenter);
    FUZZ_CHECK(qv::process::settings.extensionFilterCount >= 1);
    fuzz::CheckSettings();
}
