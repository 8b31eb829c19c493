#include "settings/launchers.h"

#include <vector>

#include "settings_fixture.h"

namespace qv {
namespace {

struct Entry {
    std::string target, label, parameters;
    bool operator==(const Entry& o) const {
        return target == o.target && label == o.label && parameters == o.parameters;
    }
};
std::ostream& operator<<(std::ostream& out, const Entry& e) {
    return out << "{" << e.target << ", " << e.label << ", " << e.parameters << "}";
}

std::vector<Entry> Table() {
    std::vector<Entry> table;
    for (int i = 0; i < launcherCount; ++i)
        table.push_back({launchers[i].target.c_str(), launchers[i].label.c_str(), launchers[i].parameters.c_str()});
    return table;
}

class LaunchersTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        fake::AddFile("C:\\tools\\ed.exe", "");
        fake::AddFolder("C:\\docs");
    }
    std::vector<Entry> Read(const std::string& lines) {
        ReadExecSection("[system]\r\n%end\r\n[Exec] rest of the header\r\n" + lines);
        return Table();
    }
};

const std::string kQuotedP = "\"%P\"";

TEST_F(LaunchersTest, EntriesLabelsAndBuiltInTargets) {
    EXPECT_EQ(Read("C:\\tools\\ed.exe | Edit | more\r\n"
                   "C:\\tools\\ed\r\n"
                   "C:\\docs | Docs\r\n"
                   "nothing-here\r\n"
                   "@clipboard | Copy\r\n"
                   "@CLIPx | All\r\n"
                   "@clipxyz\r\n"
                   "@System32 | Open\r\n"
                   "@clip\r\n"
                   "@other | X\r\n"
                   "%END\r\n@system\r\n"),
              (std::vector<Entry>{{"C:\\tools\\ed.exe", "Edit | more", kQuotedP},
                                  {"C:\\tools\\ed.exe", "ed", kQuotedP},
                                  {"@clip", "Copy", ""},
                                  {"@clipX", "All", ""},
                                  {"@clipX", "@clipX", ""},
                                  {"@system", "Open", ""},
                                  {"@clip", "@clip", ""}}));
    EXPECT_EQ(currentLauncher, 0);
}

TEST_F(LaunchersTest, AnExistingFileWinsOverTheKeyword) {
    fake::AddFile("C:\\work\\@clip.exe", "");
    EXPECT_EQ(Read("@clip | Tool\r\n"), (std::vector<Entry>{{"C:\\work\\@clip.exe", "Tool", kQuotedP}}));
}

TEST_F(LaunchersTest, ParameterLines) {
    EXPECT_EQ(Read(">before any entry\r\n"
                   "@clip\r\n"
                   ">first\r\n"
                   ">second %P %$J\r\n"
                   "unknown\r\n"
                   ">after a skipped line\r\n"
                   "@system\r\n"),
              (std::vector<Entry>{{"@clip", "@clip", "after a skipped line"}, {"@system", "@system", ""}}));
}

TEST_F(LaunchersTest, TwentyEntriesAtMost) {
    std::string lines;
    for (int i = 0; i < 20; ++i) lines += "@clip | L" + std::to_string(i) + "\r\n";
    std::vector<Entry> table = Read(lines + ">for the twentieth\r\n@system\r\n>not read\r\n");
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(table[19], (Entry{"@clip", "L19", "for the twentieth"}));
}

TEST_F(LaunchersTest, LongLabelsAndParametersKeep259Characters) {
    std::vector<Entry> table = Read("@clip | " + std::string(300, 'L') + "\r\n>" + std::string(300, 'p') + "\r\n");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].label, std::string(259, 'L'));
    EXPECT_EQ(table[0].parameters, std::string(259, 'p'));
}

TEST_F(LaunchersTest, EmptyOrMissingSectionGivesTheSystemEntry) {
    const std::vector<Entry> fallback{{"@system", "@system", ""}};
    EXPECT_EQ(Read("nothing\r\n%end\r\n"), fallback);
    ReadExecSection("[system]\r\n@clip\r\n");
    EXPECT_EQ(Table(), fallback);
    // The last line counts even without a line end.
    EXPECT_EQ(Read("@clip | c"), (std::vector<Entry>{{"@clip", "c", ""}}));
}

TEST_F(LaunchersTest, ResolveProgramPathOrder) {
    fake::AddFile("C:\\a\\tool.exe", "");
    fake::AddFile("C:\\Windows\\tool.exe", "");
    fake::AddFile("C:\\Windows\\notepad.exe", "");
    fake::AddFile("C:\\work\\both", "");
    fake::AddFile("C:\\work\\both.exe", "");
    fake::AddFile("C:\\work\\sub\\x.txt", "");
    settings.searchPath = "C:\\none;C:\\a";
    settings.searchPathSet = 1;
    struct Case {
        const char* name;
        bool tryExe, found;
        const char* path;
    } cases[] = {
        {"tool", true, true, "C:\\a\\tool.exe"},  // the "@path=" list before the system order
        {"tool", false, false, "tool"},
        {"notepad", true, true, "C:\\Windows\\notepad.exe"},
        {"both", true, true, "C:\\work\\both"},  // the name as written before ".exe"
        {"sub\\x.txt", false, true, "C:\\work\\sub\\x.txt"},
        {"C:\\docs", false, true, "C:\\docs"},  // a folder is found; callers reject it
        {"", true, false, ""},
    };
    for (const Case& c : cases) {
        std::string path;
        EXPECT_EQ(ResolveProgramPath(c.name, c.tryExe, &path), c.found) << c.name;
        EXPECT_EQ(path, c.path) << c.name;
    }
    settings.searchPathSet = 0;  // the list is ignored without its flag
    std::string path;
    EXPECT_TRUE(ResolveProgramPath("tool", true, &path));
    EXPECT_EQ(path, "C:\\Windows\\tool.exe");
}

TEST_F(LaunchersTest, AFullPathTooLongKeepsTheName) {
    fake::currentDirectory = "C:\\" + std::string(250, 'd') + "\\";
    fake::AddFile(fake::currentDirectory + "file.txt", "");
    std::string path;
    EXPECT_TRUE(ResolveProgramPath("file.txt", false, &path));
    EXPECT_EQ(path, "file.txt");
}

TEST_F(LaunchersTest, EntriesResolvedThroughTheSearchPathFile) {
    fake::AddFile("C:\\cfg\\paths.bat", "set path=C:\\bin;C:\\more\r\n");
    fake::AddFile("C:\\more\\viewer.exe", "");
    ASSERT_TRUE(Run("", "[system]\r\n@path=C:\\cfg\\paths.bat\r\n%end\r\n[exec]\r\nviewer | View\r\n%end\r\n"));
    EXPECT_EQ(Table(), (std::vector<Entry>{{"C:\\more\\viewer.exe", "View", kQuotedP}}));
}

}  // namespace
}  // namespace qv
