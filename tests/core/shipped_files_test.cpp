// The sample settings and the manual shipped beside Qivora.exe, read from the
// source tree and checked against the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/program_paths.h"
#include "common/state.h"
#include "common/text.h"
#include "fake_os.h"
#include "line_items.h"
#include "menu/launch.h"
#include "output/macros.h"
#include "settings/load_settings.h"

#ifndef QIVORA_SOURCE_DIR
#error "QIVORA_SOURCE_DIR must name the source tree (tests/CMakeLists.txt sets it)"
#endif

namespace qv {
namespace {

std::string ReadShippedFile(const char* relative) {
    std::string content;
    std::FILE* file = std::fopen((std::string(QIVORA_SOURCE_DIR) + "/" + relative).c_str(), "rb");
    if (!file) return content;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) content.append(buffer, got);
    std::fclose(file);
    return content;
}

// Offset of the first byte that is not cp932 text with CR LF line ends, or npos.
size_t FirstFaultInWindowsText(std::string_view text) {
    auto lead = [](unsigned char c) {
        return (c >= 0x81 && c <= 0x84) || (c >= 0x87 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEA) || c == 0xED ||
               c == 0xEE || (c >= 0xFA && c <= 0xFC);
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i], next = i + 1 < text.size() ? text[i + 1] : 0;
        if (c == '\r' && next == '\n') ++i;
        else if (lead(c) && next >= 0x40 && next <= 0xFC && next != 0x7F) ++i;
        else if (!((c >= 0x20 && c < 0x7F) || c == '\t' || (c >= 0xA1 && c <= 0xDF))) return i;
    }
    return std::string_view::npos;
}

// Applies launcher n to lines "a b" (line 10) and "c" (line 11) of C:\notes\memo.txt, the second chosen.
void Apply(int n, bool markBoth) {
    fake::launches.clear();
    fake::clipboard = "before";
    testing_items::SetCurrentFile("C:\\notes\\memo.txt");
    testing_items::SetLines({"a b", "c"});
    if (markBoth) testing_items::Mark({0, 1});
    process::currentLauncher = n;
    ApplyCurrentLauncher(lineSourceItem, 1, ClipboardStart::afresh);
}

constexpr const char* kSakura = "C:\\Program Files (x86)\\sakura\\sakura.exe";
constexpr const char* kNotepad = "C:\\Windows\\System32\\notepad.exe";
constexpr const char* kExplorer = "C:\\Windows\\explorer.exe";

// One shipped file's text, and a fresh fake system with Qivora in C:\app.
class ShippedFile : public ::testing::Test {
protected:
    explicit ShippedFile(const char* relative) : text_(ReadShippedFile(relative)) {}
    void SetUp() override {
        ASSERT_FALSE(text_.empty()) << QIVORA_SOURCE_DIR;
        fake::Reset();
        InitProgramPaths("C:\\app\\Qivora.exe", "");
    }
    const std::string text_;
};

class SampleSettings : public ShippedFile {
protected:
    SampleSettings() : ShippedFile("examples/Qivora.ini") {}
    void SetUp() override {
        ShippedFile::SetUp();
        fake::AddFile("C:\\app\\Qivora.ini", text_);
        fake::AddFile(kNotepad, "MZ");
        fake::AddFile(kExplorer, "MZ");
    }
};

TEST_F(SampleSettings, EntriesDoWhatTheirLabelsSay) {
    fake::AddFile(kSakura, "MZ");
    fake::AddFile("C:\\notes\\memo.txt", "a b\nc\nd");
    ASSERT_TRUE(LoadSettings(nullptr));
    const struct { int launcher; bool markBoth; const char *file, *parameters, *clipboard; } cases[] = {
        {0, false, kSakura, "-Y=11 \"C:\\notes\\memo.txt\"", "before"},
        {1, false, "C:\\notes\\memo.txt", "", "before"},
        {3, false, kNotepad, "\"C:\\notes\\memo.txt\"", "a b\r\nc"},
        {4, false, kExplorer, "/select,\"C:\\notes\\memo.txt\"", "before"},
        {6, false, nullptr, nullptr, "a b\r\nc\r\nd"},  // the whole file, not only the page
        {7, true, nullptr, nullptr, "\"a b\" \"c\""},
        {7, false, nullptr, nullptr, "a b\r\nc"},  // no mark: the page's lines, as "@clip" does
    };
    for (const auto& c : cases) {
        Apply(c.launcher, c.markBoth);
        ASSERT_EQ(fake::launches.size(), c.file ? 1u : 0u) << c.launcher;
        if (c.file) {
            EXPECT_EQ(fake::launches[0].file + " " + fake::launches[0].parameters, std::string(c.file) + " " + c.parameters);
        }
        EXPECT_EQ(fake::clipboard.value_or("(none)"), c.clipboard) << c.launcher;
    }
}

// Both are opened with a Windows user's editor. A section starts at the first
// mention of its header, a comment included.
TEST(ShippedFiles, AreCp932WithCrLfAndSectionsStartWhereTheyShould) {
    const std::string sample = ReadShippedFile("examples/Qivora.ini"), manual = ReadShippedFile("docs/Qivora.txt");
    EXPECT_EQ(FirstFaultInWindowsText(sample), std::string_view::npos);
    EXPECT_EQ(FirstFaultInWindowsText(manual), std::string_view::npos);
    EXPECT_EQ(manual.rfind("Qivora 1.06 説明書\r\n", 0), 0u);
    for (std::string header : {"[system]", "[exec]"}) {
        const size_t at = FindI(sample, header);
        ASSERT_NE(at, std::string::npos) << header;
        EXPECT_EQ(("\r\n" + sample).substr(at, header.size() + 4), "\r\n" + header + "\r\n") << header;
    }
}

class Manual : public ShippedFile {
protected:
    Manual() : ShippedFile("docs/Qivora.txt") {}
    bool Mentions(std::string_view text) const { return text_.find(text) != std::string::npos; }
    // The lines after the first line that starts with `after`, up to the first
    // blank line, without their first `indent` characters.
    std::vector<std::string> Block(std::string_view after, size_t indent) const {
        std::vector<std::string> lines;
        size_t at = text_.find(after);
        if (at == std::string::npos) return lines;
        at = text_.find("\r\n", at + after.size()) + 2;
        for (size_t end; (end = text_.find("\r\n", at)) != std::string::npos && end != at; at = end + 2)
            lines.push_back(text_.substr(at + indent, end - at - indent));
        return lines;
    }
};

// The macro table: each value column is what the expansion gives.
TEST_F(Manual, MacroTableMatchesTheExpansion) {
    ASSERT_TRUE(Mentions("C:\\work\\notes\\memo.txt、行番号が 12 のとき"));
    for (const char* macro : {"%P", "%D", "%-D", "%F", "%N", "%E", "%A", "%B", "%$J"}) {
        const size_t row = text_.find("\r\n  " + std::string(macro) + " ");
        ASSERT_NE(row, std::string::npos) << macro;
        const size_t end = text_.find("\r\n", row + 2), lastBlank = text_.rfind(' ', end);
        EXPECT_EQ(ExpandMacros(macro, "C:\\work\\notes\\memo.txt", 12).text, text_.substr(lastBlank + 1, end - lastBlank - 1))
            << macro;
    }
}

// The marked-lines examples: what the program runs for each template.
TEST_F(Manual, MarkedLineExamplesMatchTheProgram) {
    const std::vector<std::string> rows = Block("印を付けた行が a b と c のとき:", 4);
    ASSERT_EQ(rows.size(), 3u);
    fake::AddFile("C:\\tools\\view.exe", "MZ");
    for (const std::string& row : rows) {
        const size_t gap = row.find("  ");
        ASSERT_TRUE(row[0] == '>' && gap != std::string::npos) << row;
        testing_items::SetLauncher(0, "C:\\tools\\view.exe", row.substr(1, gap - 1).c_str());
        Apply(0, true);
        ASSERT_EQ(fake::launches.size(), 1u) << row;
        EXPECT_EQ(fake::launches[0].parameters, row.substr(row.find_first_not_of(' ', gap))) << row;
    }
}

}  // namespace
}  // namespace qv
