// The settings file: candidates, sections, the line splitter and the [exec] table.
#include "settings_fixture.h"

#include "common/program_paths.h"
#include "settings/launchers.h"
#include "settings/program_lookup.h"
#include "common/split_line.h"

namespace qv {
namespace {

using Entries = std::vector<std::string>;  // "target|label|parameters"

Entries Table() {
    ReadLaunchers(kMaxLaunchers);
    Entries table;
    for (int i = 0; i < process::launcherCount; ++i)
        table.push_back(std::string(process::launchers[i].target.view()) + "|" + std::string(process::launchers[i].label.view()) + "|" +
                        std::string(process::launchers[i].parameters.view()));
    return table;
}

// Read an entry at a time, as the menus ask for them: the same table as read at once.
Entries ReadExec(const std::string& lines) {
    ReadExecSection("[system]\r\n%end\r\n[Exec] rest of the header\r\n" + lines);
    for (int count = 1; count <= kMaxLaunchers; ++count) {
        ReadLaunchers(count);
        EXPECT_LE(process::launcherCount, count);
    }
    return Table();
}

TEST(SplitLine, DropsCrAndTabAndCutsAtTheLimitWithoutHalfACharacter) {
    LineCutter shortLines(kShortLineLimit), longLines(kLongLineLimit);
    std::string_view line;
    EXPECT_EQ(SplitLine("a\tb\r\nnext", 0, &shortLines, &line), 5u);
    EXPECT_EQ(line, "ab");
    EXPECT_EQ(SplitLine("a\tb\r\nnext", 5, &shortLines, &line), 5u);  // at the end: one more than was left
    EXPECT_EQ(SplitLine("ab\nc\td", 3, &shortLines, &line), 4u);
    EXPECT_EQ(SplitLine(std::string(600, 'a') + "\nb", 0, &shortLines, &line), 601u);
    EXPECT_EQ(line.size(), 517u);
    EXPECT_EQ(SplitLine(std::string(3000, 'b'), 0, &longLines, &line), 3001u);
    EXPECT_EQ(line.size(), 2077u);
    SplitLine(std::string(516, 'a') + "\x95\x5C\n", 0, &shortLines, &line);
    EXPECT_EQ(line, std::string(516, 'a'));
}

// A quoted program path: the settings file and the manual beside it; a menu
// line is as high as the font and 3 pixels, the page leaves 100 pixels free.
TEST(ProgramPaths, BesideTheProgramAndItemsPerPage) {
    InitProgramPaths("\"C:\\my tools\\memo.exe\"", "/#u x");
    const ProgramPaths& paths = process::programPaths;
    EXPECT_EQ(std::vector<std::string>({std::string(paths.exePath.view()), std::string(paths.settingsPath.view()),
                                        std::string(paths.manualPath.view()), paths.commandLine}),
              std::vector<std::string>({"C:\\my tools\\memo.exe", "C:\\my tools\\memo.ini", "C:\\my tools\\Qivora.txt", "/#u x"}));
    EXPECT_EQ(ComputeItemsPerPage(1060, 13), 60);
    EXPECT_EQ(ComputeItemsPerPage(1040, -12), 62);
}

TEST_F(SettingsTest, CandidatesInOrderAndAnEmptyFileWhenNoneExists) {
    InitProgramPaths("C:\\app\\memo.exe", "");
    fake::AddFile("C:\\app\\memo.ini", "");
    fake::AddFile("C:\\app\\Qivora.ini", "");
    fake::AddFile("C:\\app\\other.ini", "[system]\n@sub\n");
    process::programPaths.settingsPath = "C:\\app\\other.ini";  // named by "/#s="
    const char* const expected[] = {"C:\\app\\other.ini", "C:\\app\\memo.ini", "C:\\app\\Qivora.ini", "C:\\app\\memo.ini"};
    for (const char* path : expected) {
        ASSERT_TRUE(LoadSettings(nullptr));
        EXPECT_EQ(process::programPaths.settingsPath.view(), path);
        fake::RemovePath(path);
        process::programPaths.settingsPath = "C:\\app\\memo.ini";
    }
    EXPECT_EQ(fake::createdFiles, std::vector<std::string>{"C:\\app\\memo.ini"});
    EXPECT_EQ(fake::FileContent("C:\\app\\memo.ini"), "");
    EXPECT_EQ(Table(), Entries{"@system|@system|"});
    EXPECT_TRUE(fake::errorBoxes.empty());
}

TEST_F(SettingsTest, AFileThatCannotBeOpenedOrReadShowsTheMessage) {
    for (int fault = 0; fault < 2; ++fault) {
        SetUp();
        if (fault == 0) fake::AddFolder("C:\\app\\Qivora.ini");  // a folder of that name
        else fake::AddFile("C:\\app\\Qivora.ini", "[system]\n@sub\n");
        fake::MakeUnreadable("C:\\app\\Qivora.ini");
        EXPECT_FALSE(LoadSettings(nullptr));
        ASSERT_EQ(fake::errorBoxes.size(), 1u);
        EXPECT_EQ(fake::errorBoxes[0].text, "設定ファイル異常");
        EXPECT_EQ(fake::errorBoxes[0].title, "Qivora");
        EXPECT_EQ(process::settings.includeSubfolders, 0);
    }
}

TEST_F(SettingsTest, SystemSectionLines) {
    const struct { std::string content; int includeSubfolders; } cases[] = {
        {"[SYSTEM]\r\n@SUBfolders\r\n", 1},  // any case, any line starting with @sub
        {"[system]\n   \t@s\tub\n", 1},      // leading blanks; tabs are removed first
        {"[system]\n;@sub\n", 0},
        {"[system]\n%END\n@sub\n", 0},
        {"[system]\n[exec]\n@sub\n", 1},  // only %end ends it
        {"@sub\n[system]\n", 0},
        {"x [system] rest\n@sub", 1},  // the header anywhere on its line; a last line without a line end
        {"[system]\n" + std::string(600, 'x') + "\n\x01\x95\xFF\n@sub\n", 1},
    };
    for (auto& c : cases) {
        SetUp();
        ASSERT_TRUE(Run("", c.content));
        EXPECT_EQ(process::settings.includeSubfolders, c.includeSubfolders) << c.content;
    }
}

TEST_F(SettingsTest, LauncherEntriesLabelsAndBuiltInTargets) {
    fake::AddFile("C:\\tools\\ed.exe", "");
    fake::AddFolder("C:\\docs");
    EXPECT_EQ(ReadExec(">before any entry\r\n"
                       "C:\\tools\\ed.exe | Edit | more\r\nC:\\tools\\ed\r\n"
                       "C:\\docs | Docs\r\nnothing-here\r\n>after a skipped line\r\n"
                       "@clipboard | Copy\r\n>first\r\n>second %P\r\n@CLIPx | All\r\n@clipxyz\r\n"
                       "@System32 | Open\r\n@other | X\r\n%END\r\n@system\r\n"),
              (Entries{"C:\\tools\\ed.exe|Edit | more|\"%P\"", "C:\\tools\\ed.exe|ed|after a skipped line", "@clip|Copy|second %P",
                       "@clipX|All|", "@clipX|@clipX|", "@system|Open|"}));
    EXPECT_EQ(ReadExec("@clip | c"), Entries{"@clip|c|"});  // the last line without a line end
    EXPECT_EQ(ReadExec("nothing\r\n%end\r\n"), Entries{"@system|@system|"});
    fake::AddFile("C:\\work\\@clip.exe", "");  // an existing file wins over the keyword
    EXPECT_EQ(ReadExec("@clip | Tool\r\n"), Entries{"C:\\work\\@clip.exe|Tool|\"%P\""});
}

TEST_F(SettingsTest, TwentyEntriesAtMostAndFieldsOf259Characters) {
    std::string lines = "@clip | " + std::string(300, 'L') + "\r\n>" + std::string(300, 'p') + "\r\n";
    for (int i = 1; i < 20; ++i) lines += "@clip | L" + std::to_string(i) + "\r\n";
    Entries table = ReadExec(lines + ">for the twentieth\r\n@system\r\n>not read\r\n");
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(table[0], "@clip|" + std::string(259, 'L') + "|" + std::string(259, 'p'));
    EXPECT_EQ(table[19], "@clip|L19|for the twentieth");
}

TEST_F(SettingsTest, ResolveProgramPathOrder) {
    for (const char* file : {"C:\\a\\tool.exe", "C:\\Windows\\tool.exe", "C:\\work\\both", "C:\\work\\both.exe",
                             "C:\\work\\sub\\x.txt"})
        fake::AddFile(file, "");
    process::settings.searchPath = "C:\\none;C:\\a";
    process::settings.searchPathSet = 1;
    const struct { const char* name; bool tryExe, found; const char* path; } cases[] = {
        {"tool", true, true, "C:\\a\\tool.exe"},  // the "@path=" list before the system order
        {"tool", false, false, "tool"},
        {"both", true, true, "C:\\work\\both"},  // the name as written before ".exe"
        {"sub\\x.txt", false, true, "C:\\work\\sub\\x.txt"},
        {"", true, false, ""},
    };
    for (const auto& c : cases) {
        std::string path;
        EXPECT_EQ(ResolveProgramPath(c.name, c.tryExe, &path), c.found) << c.name;
        EXPECT_EQ(path, c.path) << c.name;
    }
    process::settings.searchPathSet = 0;  // the list is ignored without its flag
    std::string path;
    EXPECT_TRUE(ResolveProgramPath("tool", true, &path));
    EXPECT_EQ(path, "C:\\Windows\\tool.exe");
    for (size_t length : {259u, 260u}) {  // a full path too long keeps the name
        fake::currentDirectory = "C:\\" + std::string(length - 12, 'd') + "\\";
        fake::AddFile(fake::currentDirectory + "file.txt", "");
        EXPECT_TRUE(ResolveProgramPath("file.txt", false, &path));
        EXPECT_EQ(path, length == 259 ? fake::currentDirectory + "file.txt" : "file.txt");
    }
}

TEST_F(SettingsTest, EntriesAndEditorResolvedThroughTheSearchPathFile) {
    fake::AddFile("C:\\cfg\\paths.bat", "set path=C:\\bin;C:\\more\r\n");
    fake::AddFile("C:\\more\\viewer.exe", "");
    ASSERT_TRUE(Run("", "[system]\r\n@editor=viewer\r\n@path=C:\\cfg\\paths.bat\r\n@editor=viewer\r\n%end\r\n"
                        "[exec]\r\nviewer | View\r\n%end\r\n"));
    EXPECT_EQ(Table(), Entries{"C:\\more\\viewer.exe|View|\"%P\""});
    EXPECT_EQ(process::settings.editorPath.view(), "C:\\more\\viewer.exe");
}

}  // namespace
}  // namespace qv
