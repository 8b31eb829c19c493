// Any bytes as the command line: the start path and keyword sets within their limits, the
// first menu gone; as a launcher's template the same bytes expand within 1039 bytes.
#include "fuzz_machine.h"
#include "menu/start.h"
#include "output/macros.h"

void Fuzz(FuzzedDataProvider&& input) {
    fake::AddFile("C:\\q\\Qivora.ini", "[system]\r\n@filter=.txt;.md\r\n@grep1=a | b\r\n[exec]\r\nedit.exe\r\n");
    const int lineNumber = input.ConsumeIntegral<int>();  // from the input's end
    const std::string commandLine = qv::process::programPaths.commandLine = input.ConsumeRemainingBytesAsString();
    const bool loaded = qv::StartUp(nullptr);  // unless "/#s=" names a folder (no name: the program's)
    FUZZ_CHECK(loaded != os::PathIsDirectory(qv::process::programPaths.settingsPath.c_str()));
    if (!loaded) return;
    const qv::PathText& startPath = qv::process::startPath;
    if (qv::process::startMode == 1) FUZZ_CHECK(os::PathFileExists(startPath.c_str()) && startPath.size() < 260);
    const qv::KeywordSets& sets = qv::process::settings.keywordSets;
    FUZZ_CHECK(sets.selectedCount == std::count(sets.selected, std::end(sets.selected), 1));
    FUZZ_CHECK(sets.filterActive == (sets.selectedCount > 0));
    qv::ShowStartMenu(nullptr);
    FUZZ_CHECK(fake::liveMenus.empty());
    const qv::Expansion expansion = qv::ExpandMacros(commandLine, startPath.view(), lineNumber);
    FUZZ_CHECK(expansion.text.size() <= qv::kExpandedLimit);
}
