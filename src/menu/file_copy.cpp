#include "menu/file_copy.h"

#include <string>

#include "common/text_file.h"
#include "common/state.h"
#include "lines/filters.h"
#include "output/clipboard.h"
#include "common/text_block.h"
#include "common/split_line.h"

namespace qv {

namespace {

void AppendPassingLines(std::string_view data, TextBlock* result) {
    std::string line;
    for (size_t offset = 0;;) {
        const size_t consumed = SplitLine(data, offset, true, &line);
        if (LineMatchesFilter(line)) {
            result->Append(line);
            result->Append(kLineEnd);
        }
        if (offset + consumed > data.size() || result->failed()) break;
        offset += consumed;
    }
}

}  // namespace

int CopyFilteredFileToClipboard(int beep, ClipboardStart start) {
    TextBlock file;
    if (ReadWholeFile(CurrentFilePath(), os::OpenMode::existing, process::settings.codeMode, &file) != ReadResult::ok)
        return 0;
    TextBlock result;
    if (!StartWithKeptText(&result, start)) return 0;
    AppendPassingLines(file.view(), &result);
    // Nothing collected: an empty text would only wipe what the user had.
    if (result.failed() || result.size() == 0) return 0;
    result.Shrink(result.size() - kLineEnd.size());
    return SetClipboardText(result.view(), beep);
}

}  // namespace qv
