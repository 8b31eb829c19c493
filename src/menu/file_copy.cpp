#include "menu/file_copy.h"

#include <string>

#include "common/file_block.h"
#include "common/state.h"
#include "lines/filters.h"
#include "output/clipboard.h"
#include "output/text_block.h"
#include "settings/split_line.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The clipboard's text and a line end, when the prefix is on; false when the
// prefix is on but there is no text to keep.
bool StartWithKeptText(TextBlock* result) {
    if (!clipboardPrefix) return true;
    std::string kept;
    if (!os::ClipboardHasText() || !os::ClipboardGetText(&kept) || kept.empty()) return false;
    result->Append(kept);
    result->Append(kLineEnd);
    return true;
}

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

int CopyFilteredFileToClipboard(int beep) {
    if (currentFile < 0 || currentFile >= kMaxFiles) return 0;
    FileBlock file;
    if (ReadWholeFile(fileList[currentFile].path.c_str(), os::OpenMode::existing, &file) != ReadResult::ok)
        return 0;
    TextBlock result;
    if (!StartWithKeptText(&result)) return 0;
    AppendPassingLines(file.view(), &result);
    // Nothing collected: an empty text would only wipe what the user had.
    if (result.failed() || result.size() == 0) return 0;
    result.Shrink(result.size() - kLineEnd.size());
    return SetClipboardText(result.view(), beep);
}

}  // namespace qv
