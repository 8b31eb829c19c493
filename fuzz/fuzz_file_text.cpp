// Any bytes in any code as a text file: read in chunks of any size, every reader
// gives what it gives for the text decoded first, read as cp932 in one chunk.
#include <cstring>
#include <string>
#include <utility>

#include "common/split_line.h"
#include "fuzz_machine.h"
#include "lines/filters.h"
#include "lines/page_reader.h"
#include "menu/file_copy.h"
#include "menu/pages.h"
#include "settings/load_settings.h"

const char kFile[] = "C:\\d\\file.txt", kDecoded[] = "C:\\d\\decoded.txt";

// The page the last read left in the table, within its limits.
static std::string Page() {
    const qv::ViewStyle& style = qv::process::settings.rootStyle;
    const qv::MenuItemTable& table = qv::process::menuItems;
    std::string page = std::to_string(table.linesScanned);  // 0 for a file without text
    for (int k = 0; k < table.itemCount; ++k) {
        const qv::MenuItem& item = table.items[k];
        FUZZ_CHECK(k < style.pageSize && item.text.size() <= size_t(style.itemWidth));
        FUZZ_CHECK(!std::strpbrk(item.text.c_str(), "\r\n&") && !std::strpbrk(item.fullText.c_str(), "\r\n"));
        page += '\0' + std::to_string(item.lineNumber) + '\0' + item.text.c_str() + '\0' + item.fullText.c_str();
    }
    return page;
}

// The page of path and what its whole-file copy leaves on an empty clipboard.
static std::pair<std::string, std::string> Read(const char* path, const qv::ReadChunks& chunks) {
    qv::ReadPage(path, qv::process::settings.rootStyle, chunks);
    qv::process::fileList[0].path = path;
    fake::clipboard = "";
    qv::CopyFilteredFileToClipboard(0, qv::ClipboardStart::afresh, chunks);
    return {Page(), fake::clipboard.value_or("(none)")};
}

void Fuzz(FuzzedDataProvider&& input) {
    fake::AddFile("C:\\q\\Qivora.ini", input.ConsumeRandomLengthString(600));
    FUZZ_CHECK(qv::LoadSettings(nullptr));  // the layout (@text=), the code (@code=), the keyword sets (@grep#=)
    const int set = input.ConsumeIntegralInRange(-1, 9), otherSet = input.ConsumeIntegralInRange(-1, 9);
    const size_t first = input.ConsumeIntegralInRange(0, 300), largest = input.ConsumeIntegralInRange(0, 5000);
    std::string text = input.PickValueInArray({"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"});
    while (input.remaining_bytes() > 0) {  // now and then a run: lines of thousands of bytes
        const std::string run = input.ConsumeRandomLengthString(64);
        for (int n = input.ConsumeIntegralInRange(0, 15) ? 1 : 2000; n-- > 0 && text.size() < 1 << 15;) text += run;
    }
    fake::AddFile(kFile, text);
    const qv::ReadChunks one{1 << 16, 1 << 16};  // more than the file and its decoded text
    const std::string all = Read(kFile, one).second;  // no keyword set selected yet
    qv::TextBlock decoded;
    qv::ReadWholeFile(kFile, os::OpenMode::existing, qv::process::settings.codeMode, &decoded);
    fake::AddFile(kDecoded, std::string(decoded.view()));
    for (int selected : {set, otherSet}) qv::ToggleKeywordSet(selected);
    const auto chunked = Read(kFile, {first, largest});
    qv::process::settings.submenuStyle = qv::process::settings.rootStyle;
    const os::Menu submenu = os::CreatePopupMenu();
    qv::FillFileSubmenu(submenu, 0);  // in the default chunks
    FUZZ_CHECK(Page() == chunked.first);
    os::DestroyMenu(submenu);
    qv::process::settings.codeMode = qv::CodeMode::cp932;
    FUZZ_CHECK(Read(kDecoded, one) == chunked);

    std::string passing;  // the lines of the unfiltered copy that pass, as the filtered copy joins them
    for (size_t at = 0, end; at <= all.size(); at = end + 2) {
        end = std::min(all.find("\r\n", at), all.size());
        const std::string_view line = std::string_view(all).substr(at, end - at);
        FUZZ_CHECK(line.size() <= qv::kLongLineLimit && line.find_first_of("\t\r") == line.npos);
        if (qv::LineMatchesFilter(line)) passing.append("\r\n").append(line);
    }
    FUZZ_CHECK(chunked.second == passing.substr(std::min<size_t>(2, passing.size())));
}
