// The whole-file filtered copy against a reference of the line rules: lines end
// at LF (a file ending in LF has one more, empty line) and at their first NUL
// (the rest up to the LF is dropped), lose CR and TAB, keep at most 2077 bytes
// and never half a double-byte character; the lines that pass the filter, after
// the kept text when the copy keeps it, joined by CR LF. Nothing collected, no
// text to keep, a busy clipboard or a file that cannot be opened: 0 and the
// clipboard as it was. The beep as for every writer. The reference converts
// the file first, in one piece; the copy reads chunks of a fuzzed size and
// converts a UTF-8 file only in the lines that may hold a word.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/split_line.h"
#include "fuzz_machine.h"
#include "lines/filters.h"
#include "menu/file_copy.h"

namespace {

std::vector<std::string> ReferenceLines(std::string_view data) {
    std::vector<std::string> lines(1);
    bool afterNul = false;
    for (char c : data) {
        if (c == '\n') {
            lines.emplace_back();
            afterNul = false;
        } else if (c == '\0') {
            afterNul = true;
        } else if (!afterNul && c != '\r' && c != '\t') {
            lines.back() += c;
        }
    }
    for (std::string& line : lines) line.resize(fuzz::ReferenceCut(line, qv::kLongLineLimit));
    return lines;
}

}  // namespace

FUZZ_MACHINE(input) {
    fuzz::ConsumeKeywordSets(input);
    const qv::ClipboardStart start = fuzz::ConsumeStart(input);
    fuzz::PresetClipboard(input);
    fake::clipboardBusy = input.ConsumeIntegralInRange(0, 15) == 0;
    const bool missing = input.ConsumeIntegralInRange(0, 15) == 0;
    const int beep = input.ConsumeIntegralInRange(-1, 3);
    const size_t chunk = input.ConsumeIntegralInRange<size_t>(1, 5000);
    const std::string content = fuzz::ConsumeCodeAndMark(input) + fuzz::ConsumeText(input, 1 << 16);
    qv::process::fileList[0].path = "C:\\d\\whole.txt";
    fake::AddFile("C:\\d\\whole.txt", content);
    bool anyText = false;
    const std::string text = fuzz::WholeText("C:\\d\\whole.txt", &anyText);
    if (missing) fake::RemovePath("C:\\d\\whole.txt");

    std::vector<std::string> passing;
    for (const std::string& line : ReferenceLines(text))
        if (qv::LineMatchesFilter(line)) passing.push_back(line);
    const std::optional<std::string> before = fake::clipboard;
    std::optional<std::string> expected = fuzz::ExpectedJoin(before, start, passing);
    if (missing || (expected && expected->empty())) expected.reset();  // an empty text is never put
    const int beeps = fake::beeps;
    // Lines straddle chunks, and are longer than one.
    const int result = qv::CopyFilteredFileToClipboard(beep, start, {qv::defaults::kReadChunks.first, chunk});
    fuzz::CheckClipboardWrite(result, expected, before, beep, beeps);
}
