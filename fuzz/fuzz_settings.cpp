// Any bytes as the settings file: loaded and its launchers read within their
// tables; the menu built from them leaves no menu behind, whatever is chosen.
#include "fuzz_machine.h"
#include "menu/popup.h"
#include "settings/launchers.h"
#include "settings/load_settings.h"

void Fuzz(FuzzedDataProvider&& input) {
    const int command = input.ConsumeIntegralInRange(1000, 6100);  // from the input's end
    fake::AddFile("C:\\q\\Qivora.ini", input.ConsumeRemainingBytesAsString());
    FUZZ_CHECK(qv::LoadSettings(nullptr));
    qv::ReadLaunchers(qv::kMaxLaunchers);
    const int extensions = qv::process::settings.extensionFilterCount;  // inside Settings: beyond ASan's sight
    FUZZ_CHECK(extensions >= 1 && extensions <= qv::kMaxExtensions);
    for (int count : qv::process::settings.keywordSets.wordCount) FUZZ_CHECK(count >= 0 && count <= qv::kMaxWordsPerSet);
    fake::trackScripts.push_back([command](os::Menu) { return command; });
    qv::ShowPopupMenu(nullptr, qv::fixedOnly);
    FUZZ_CHECK(fake::liveMenus.empty());
}
