// The harness of the targets over the fake OS: a small fake machine (the
// program's folder, a few files and folders, one with a double-byte name whose
// trail byte is 0x5C, a mouse and a screen), the entry point that resets it,
// and what several targets read from the input: texts, keyword sets, the
// clipboard and the start of a copy, and the check of a clipboard write.
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/state.h"
#include "common/text_file.h"
#include "fake_os.h"
#include "fuzz_check.h"
#include "output/clipboard.h"

// A target over a fresh machine: FUZZ_MACHINE(input) { ... } with input a FuzzedDataProvider.
#define FUZZ_MACHINE(input)                                                   \
    static void FuzzMachine(FuzzedDataProvider& input);                       \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
        FuzzedDataProvider provider(data, size);                              \
        fuzz::ResetMachine();                                                 \
        FuzzMachine(provider);                                                \
        return 0;                                                             \
    }                                                                         \
    static void FuzzMachine(FuzzedDataProvider& input)

namespace fuzz {

constexpr const char* kExeFolder = "C:\\q\\";
constexpr const char* kSettingsPath = "C:\\q\\Qivora.ini";

inline void ResetMachine() {
    fake::Reset();
    qv::process::programPaths.exeFolder = kExeFolder;
    qv::process::programPaths.baseName = "Qivora";
    qv::process::programPaths.settingsPath = kSettingsPath;
    qv::process::screenMetrics.screenWidth = 1920;
    qv::process::screenMetrics.maximizedHeight = 1040;
    qv::process::screenMetrics.mouseButtons = 3;
    qv::process::screenMetrics.itemsPerPage = 40;
    fake::AddFile("C:\\q\\edit.exe", "");
    fake::AddFile("C:\\q\\paths.txt", "set path=C:\\a;C:\\b\r\n");
    fake::AddFile("C:\\d\\a.txt", "one\ntwo\n");
    fake::AddFile("C:\\d\\\x95\x5C\\b.txt", "x");
    fake::AddFile("C:\\d e\\c.txt", "y");
    fake::AddFolder("C:\\d\\sub");
    fake::systemSearchFolders = {"C:\\q\\"};
}

// What texts are made of: letters of both cases, a double-byte character whose
// trail byte is a backslash and two whose trail bytes are letters of either
// case, a lone lead byte, line ends, tabs, NUL, the access-key sign, a UTF-8
// character and a cut one; a half-width katakana in cp932 and in UTF-8, "?" and
// a UTF-8 character without a cp932 form.
constexpr std::string_view kPieces[] = {"a", "B", "ab", "\x95\x5C", "\x82\x41", "\x82\x61", "\x82", "\\",
                                        " ", "\t", "\r", "\r\n", "\n", std::string_view("\0", 1), "&",
                                        "\xE8\xA1\xA8", "\xC3", "\xB1", "\xEF\xBD\xB1", "?", "\xC3\xA9"};

// Pieces, runs of one piece and now and then raw bytes: a short input makes
// lines of thousands of bytes.
inline std::string ConsumeText(FuzzedDataProvider& input, size_t limit) {
    std::string text;
    while (text.size() < limit && input.remaining_bytes() > 0) {
        const size_t pick = input.ConsumeIntegralInRange<size_t>(0, std::size(kPieces));
        if (pick == std::size(kPieces)) {
            text += input.ConsumeRandomLengthString(64);
            continue;
        }
        const size_t runs = input.ConsumeIntegralInRange(0, 15) > 0 ? 1 : input.ConsumeIntegralInRange<size_t>(2, 5000);
        for (size_t i = 0; i < runs && text.size() < limit; ++i) text += kPieces[pick];
    }
    return text.substr(0, limit);
}

// The code setting of a text file and a byte-order mark (or none) to start it.
inline std::string ConsumeCodeAndMark(FuzzedDataProvider& input) {
    static const qv::CodeMode modes[] = {qv::CodeMode::automatic, qv::CodeMode::cp932, qv::CodeMode::utf8};
    static constexpr std::string_view marks[] = {"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    qv::process::settings.codeMode = modes[input.ConsumeIntegralInRange(0, 2)];
    return std::string(marks[input.ConsumeIntegralInRange(0, 4)]);
}

// The text of a file in one piece, converted as every reader converts it: the
// reference for the readers that take it in chunks.
inline std::string WholeText(const char* path, bool* anyText) {
    const size_t size = fake::FileContent(path).size() + 1;
    os::File file = os::OpenFileRead(path, os::OpenMode::existing);
    qv::TextStream stream(file, qv::process::settings.codeMode, size, size);
    std::string text;
    for (std::string_view piece; stream.Next(&piece);) text.append(piece);
    os::CloseFile(file);
    *anyText = stream.anyText();
    return text;
}

// Keyword sets 0-9 with words of the pieces, each set not selected, selected or
// requested by the command line (2); the counts as LoadSettings leaves them.
inline void ConsumeKeywordSets(FuzzedDataProvider& input) {
    qv::KeywordSets& sets = qv::process::settings.keywordSets;
    for (int set = 0; set < qv::kKeywordSetCount; ++set) {
        sets.wordCount[set] = input.ConsumeIntegralInRange(0, 3);
        for (int w = 0; w < sets.wordCount[set]; ++w) sets.words[set][w] = ConsumeText(input, 6);
        sets.selected[set] = input.ConsumeIntegralInRange(0, 2);
        sets.selectedCount += sets.selected[set] == 1;
    }
    sets.filterActive = sets.selectedCount > 0 ? 1 : 0;
}

// What a CF_TEXT reader sees of a text: up to its first NUL.
inline std::string AsClipboardText(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// No text, an empty text or a text on the clipboard.
inline void PresetClipboard(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: fake::clipboard.reset(); break;
    case 1: fake::clipboard = ""; break;
    default: fake::clipboard = AsClipboardText(ConsumeText(input, 100));
    }
}

// The start of a copy as an action decides it, from the prefix flag and Ctrl.
inline qv::ClipboardStart ConsumeStart(FuzzedDataProvider& input) {
    qv::process::clipboardPrefix = input.ConsumeBool() ? 1 : 0;
    const bool ctrlHeld = input.ConsumeBool();
    const qv::ClipboardStart start = qv::ClipboardStartFor(ctrlHeld);
    FUZZ_CHECK((start == qv::ClipboardStart::afterKeptText) == (qv::process::clipboardPrefix == 1 && !ctrlHeld));
    return start;
}

// What a writer is to leave: the kept text when asked to keep it, then the
// parts, CR LF between them; none when it cannot write (the clipboard busy, or
// no text to keep).
inline std::optional<std::string> ExpectedJoin(const std::optional<std::string>& before, qv::ClipboardStart start,
                                               const std::vector<std::string>& parts) {
    if (fake::clipboardBusy) return std::nullopt;
    std::vector<std::string> all(parts);
    if (start == qv::ClipboardStart::afterKeptText) {
        if (!before || before->empty()) return std::nullopt;
        all.insert(all.begin(), *before);
    }
    std::string joined;
    for (size_t i = 0; i < all.size(); ++i) joined += (i > 0 ? "\r\n" : "") + all[i];
    return joined;
}

// 1 and the expected text (as CF_TEXT holds it), or 0 and the clipboard as it
// was; the beep once, for a beep argument of 1 on success only.
inline void CheckClipboardWrite(int result, const std::optional<std::string>& expected,
                                const std::optional<std::string>& before, int beep, int beepsBefore) {
    FUZZ_CHECK(result == (expected ? 1 : 0));
    if (expected) FUZZ_CHECK(fake::clipboard && AsClipboardText(*fake::clipboard) == AsClipboardText(*expected));
    else FUZZ_CHECK(fake::clipboard == before);
    FUZZ_CHECK(fake::beeps - beepsBefore == (result == 1 && beep == 1 ? 1 : 0));
}

}  // namespace fuzz
