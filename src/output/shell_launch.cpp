#include "output/shell_launch.h"

#include <string>

#include "common/path_split.h"
#include "common/state.h"
#include "os/os.h"

namespace qv {

void ShellLaunch(std::string_view program, std::string_view parameters) {
    const std::string programText(program), parametersText(parameters);
    if (!os::PathFileExists(programText.c_str())) {
        os::ShellExecute(parametersText.c_str(), nullptr, nullptr);
        return;
    }
    PathParts parts = SplitPath(programText);
    const std::string folder = parts.drive + parts.folder;
    os::ShellExecute(programText.c_str(), parametersText.c_str(), folder.c_str());
}

void OpenWithEditor(std::string_view path) { ShellLaunch(process::settings.editorPath.view(), QuoteSpaces(path)); }

}  // namespace qv
