// The sample settings file shipped beside Qivora.exe, loaded as the program
// loads it on a machine that has the programs it names (or lacks some).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/program_paths.h"
#include "common/state.h"
#include "common/text.h"
#include "fake_os.h"
#include "line_items.h"
#include "menu/launch.h"
#include "settings/load_settings.h"
#include "shipped_file.h"

namespace qv {
namespace {

constexpr const char* kSakura = "C:\\Program Files (x86)\\sakura\\sakura.exe";
constexpr const char* kNotepadPlus = "C:\\Program Files\\Notepad++\\notepad++.exe";
constexpr const char* kNotepad = "C:\\Windows\\System32\\notepad.exe";
constexpr const char* kExplorer = "C:\\Windows\\explorer.exe";

struct Entry {
    std::string target, label, parameters;
    bool operator==(const Entry& o) const {
        return target == o.target && label == o.label && parameters == o.parameters;
    }
};

void PrintTo(const Entry& e, std::ostream* out) { *out << "{" << e.target << ", " << e.label << ", " << e.parameters << "}"; }

std::vector<Entry> Launchers() {
    std::vector<Entry> entries;
    for (int i = 0; i < launcherCount; ++i)
        entries.push_back({std::string(launchers[i].target.view()), std::string(launchers[i].label.view()),
                           std::string(launchers[i].parameters.view())});
    return entries;
}

const Entry kSakuraEntry{kSakura, "&E サクラエディタでその行を開く", "-Y=%$J \"%P\""};
const std::vector<Entry> kCommonEntries = {
    {"@system", "&S 関連付けられたプログラムで開く", ""},
    {kNotepad, "&N メモ帳で開く", "\"%P\""},
    {kNotepad, "&P 行をコピーしてメモ帳で開く", "%C\"%P\""},
    {kExplorer, "&F フォルダを開く", "/select,\"%P\""},
    {"@clip", "&C 行をクリップボードへ (印があれば印の行)", ""},
    {"@clipX", "&X ファイル全体をクリップボードへ (絞り込み後)", ""},
    {"@clip", "&Q 印を付けた行を \"...\" で囲んでコピー", "\"%M\""},
};

class SampleSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadShippedFile("examples/Qivora.ini", &content_)) << QIVORA_SOURCE_DIR;
        fake::Reset();
        screenMetrics.mouseButtons = 3;
        InitProgramPaths("C:\\app\\Qivora.exe", "");
        fake::AddFile("C:\\app\\Qivora.ini", content_);
        fake::AddFile(kNotepad, "MZ");
        fake::AddFile(kExplorer, "MZ");
    }
    std::string content_;
};

TEST_F(SampleSettings, IsCp932WithCrLfAndEachHeaderFirstAppearsOnItsOwnLine) {
    EXPECT_EQ(FirstFaultInWindowsText(content_), std::string_view::npos);
    // A section starts at the first occurrence of its header anywhere, a
    // comment included; an earlier mention would swallow the section.
    for (const char* header : {"[system]", "[exec]"}) {
        const size_t at = FindI(content_, header);
        ASSERT_NE(at, std::string::npos) << header;
        EXPECT_TRUE(at == 0 || content_.compare(at - 2, 2, "\r\n") == 0) << header;
        EXPECT_EQ(content_.compare(at + std::string(header).size(), 2, "\r\n"), 0) << header;
    }
}

TEST_F(SampleSettings, SystemSectionGivesTheDocumentedOptions) {
    ASSERT_TRUE(LoadSettings(nullptr));
    EXPECT_TRUE(fake::errorBoxes.empty());
    EXPECT_EQ(settings.positionMode, positionCenter);
    ASSERT_EQ(settings.extensionFilterCount, 3);
    EXPECT_EQ(settings.extensionFilters[0].view(), ".txt");
    EXPECT_EQ(settings.extensionFilters[1].view(), ".log");
    EXPECT_EQ(settings.extensionFilters[2].view(), ".md");
    EXPECT_EQ(settings.includeSubfolders, 0);  // "@sub" is only suggested in a comment
    EXPECT_EQ(settings.sortByFilter, 0);
    EXPECT_EQ(settings.folderGrouping, 1);

    const ViewStyle& sub = settings.submenuStyle;
    const ViewStyle& page = settings.rootStyle;
    EXPECT_EQ(sub.customFont + page.customFont, 0);  // "@font=" is commented out
    EXPECT_EQ(sub.tabWidth, 4);
    EXPECT_EQ(sub.firstLine, 0);
    EXPECT_EQ(sub.pageSize, 20);
    EXPECT_EQ(sub.itemWidth, 80);
    EXPECT_EQ(sub.lineNumbers, 0);
    EXPECT_EQ(page.tabWidth, 4);
    EXPECT_EQ(page.firstLine, 0);
    EXPECT_EQ(page.pageSize, 30);
    EXPECT_EQ(page.itemWidth, 80);
    EXPECT_EQ(page.lineNumbers, 1);

    const KeywordSets& sets = settings.keywordSets;
    ASSERT_EQ(sets.wordCount[0], 2);
    EXPECT_EQ(sets.words[0][0].view(), "TODO");
    EXPECT_EQ(sets.words[0][1].view(), "FIXME");
    ASSERT_EQ(sets.wordCount[1], 2);
    EXPECT_EQ(sets.words[1][0].view(), "会議");
    EXPECT_EQ(sets.words[1][1].view(), "予定");
    EXPECT_EQ(sets.filterActive, 0);  // nothing is filtered until the user picks a set

    EXPECT_EQ(settings.searchPathSet, 1);
    EXPECT_EQ(settings.searchPath.view(),
              "C:\\Program Files (x86)\\sakura;C:\\Program Files\\sakura;C:\\Program Files\\Notepad++");
    EXPECT_EQ(settings.editorPath.view(), kNotepad);
}

TEST_F(SampleSettings, ExecSectionOnMachinesWithAndWithoutTheEditors) {
    std::vector<Entry> all = kCommonEntries;
    all.insert(all.begin(), kSakuraEntry);
    struct Case {
        const char* machine;
        std::vector<const char*> installed;
        std::vector<Entry> expected;
    } cases[] = {
        {"sakura installed", {kSakura}, all},
        // The missing editor's parameter line must not reach another entry.
        {"no editor", {}, kCommonEntries},
        // The commented alternative stays a comment even when it would resolve.
        {"Notepad++ only", {kNotepadPlus}, kCommonEntries},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const char* program : c.installed) fake::AddFile(program, "MZ");
        ASSERT_TRUE(LoadSettings(nullptr)) << c.machine;
        EXPECT_EQ(Launchers(), c.expected) << c.machine;
        EXPECT_EQ(currentLauncher, 0) << c.machine;
    }
}

// What the user gets from each entry: lines "a b" (line 10) and "c" (line 11)
// of C:\notes\memo.txt, the second line chosen.
TEST_F(SampleSettings, EntriesDoWhatTheirLabelsSay) {
    fake::AddFile(kSakura, "MZ");
    fake::AddFile("C:\\notes\\memo.txt", "a b\nc\nd");
    ASSERT_TRUE(LoadSettings(nullptr));
    struct Case {
        int launcher;
        bool markBoth;
        const char* file;  // launched, "" for none
        const char* parameters;
        const char* clipboard;  // nullptr: untouched
    } cases[] = {
        {0, false, kSakura, "-Y=11 \"C:\\notes\\memo.txt\"", nullptr},
        {1, false, "C:\\notes\\memo.txt", "", nullptr},
        {2, false, kNotepad, "\"C:\\notes\\memo.txt\"", nullptr},
        {3, false, kNotepad, "\"C:\\notes\\memo.txt\"", "a b\r\nc"},
        {4, false, kExplorer, "/select,\"C:\\notes\\memo.txt\"", nullptr},
        {5, false, "", "", "a b\r\nc"},
        {6, false, "", "", "a b\r\nc\r\nd"},  // the whole file, not only the page
        {7, true, "", "", "\"a b\" \"c\""},
        {7, false, "", "", "a b\r\nc"},  // no mark: the page's lines, as "@clip" does
    };
    for (const Case& c : cases) {
        fake::launches.clear();
        fake::clipboard = "before";
        clipboardPrefix = 0;
        testing_items::SetCurrentFile("C:\\notes\\memo.txt");
        testing_items::SetLines({"a b", "c"});
        if (c.markBoth) testing_items::Mark({0, 1});
        currentLauncher = c.launcher;
        ApplyCurrentLauncher(lineSourceItem, 1, false);
        if (*c.file) {
            ASSERT_EQ(fake::launches.size(), 1u) << c.launcher;
            EXPECT_EQ(fake::launches[0].file, c.file) << c.launcher;
            EXPECT_EQ(fake::launches[0].parameters, c.parameters) << c.launcher;
        } else {
            EXPECT_TRUE(fake::launches.empty()) << c.launcher;
        }
        EXPECT_EQ(fake::clipboard.value_or("(none)"), c.clipboard ? c.clipboard : "before") << c.launcher;
    }
}

}  // namespace
}  // namespace qv
