#include "settings/switches.h"

#include "settings_fixture.h"

namespace qv {
namespace {

using SwitchesTest = SettingsTest;

TEST_F(SwitchesTest, MenuSwitchWinsOverTheSettingsFile) {
    const std::string ini = "[system]\r\n@menu=100,200\r\n%end\r\n";
    ASSERT_TRUE(Run("/#M=mouse", ini));
    EXPECT_EQ(settings.positionMode, positionMouse);
    SetUp();
    ASSERT_TRUE(Run("/#m=center /#m=mouse", ini));  // only the first occurrence counts
    EXPECT_EQ(settings.positionMode, positionCenter);
    SetUp();
    ASSERT_TRUE(Run("/#m= x", ini));  // an empty value is no switch
    EXPECT_EQ(settings.positionMode, positionFixed);
    EXPECT_EQ(settings.fixedY, 200);
}

TEST_F(SwitchesTest, FilterSwitchNeedsThreeCharactersAndAnEntry) {
    struct Case {
        const char* commandLine;
        std::vector<std::string> extensions;
    } cases[] = {
        {"/#f=.md;.c", {".md", ".c"}},
        {"/#f=.c", {".log", ".cfg"}},  // too short: the file's line applies
        {"/#f=;;; x", {".log", ".cfg"}},
        {"/#F=.md /#f=.c", {".md"}},
    };
    for (const Case& c : cases) {
        SetUp();
        ASSERT_TRUE(Run(c.commandLine, "[system]\r\n@filter=.log;.cfg\r\n%end\r\n"));
        EXPECT_EQ(std::vector<std::string>(settings.extensionFilters,
                                           settings.extensionFilters + settings.extensionFilterCount),
                  c.extensions)
            << c.commandLine;
    }
}

TEST_F(SwitchesTest, KeywordSetSwitches) {
    const std::string ini = "[system]\r\n@grep3= | \r\n@grep3=gamma | delta\r\n@grep3=late\r\n%end\r\n";
    struct Case {
        std::string commandLine;
        int selected, selectedCount;
        std::vector<std::string> words;
    } cases[] = {
        {"/#g3=\"alpha | beta\"", 1, 1, {"alpha", "beta"}},  // the file's lines are skipped
        {"/#G3", 1, 1, {"gamma", "delta"}},                 // the first line with a word selects
        {"/#g3=\" | \"", 1, 1, {"gamma", "delta"}},         // no word: as the bare switch
        {"", 0, 0, {"late"}},
        {"/#g3=\"" + std::string(514, 'w') + "\"", 0, 0, {"late"}},
        {"/#g3=\"unclosed", 0, 0, {"late"}},
    };
    for (const Case& c : cases) {
        SetUp();
        ASSERT_TRUE(Run(c.commandLine, ini));
        EXPECT_EQ(settings.keywordSets.selected[3], c.selected) << c.commandLine;
        EXPECT_EQ(settings.keywordSets.selectedCount, c.selectedCount) << c.commandLine;
        EXPECT_EQ(settings.keywordSets.filterActive, c.selectedCount) << c.commandLine;
        EXPECT_EQ(Words(3), c.words) << c.commandLine;
    }
}

TEST_F(SwitchesTest, BareSwitchForASetTheFileDoesNotDefineStaysUnselected) {
    ASSERT_TRUE(Run("/#g4 /#g5=\"" + std::string(513, 'w') + "\"", "[system]\r\n@grep3=x\r\n%end\r\n"));
    EXPECT_EQ(settings.keywordSets.selected[4], 2);
    EXPECT_EQ(settings.keywordSets.selected[5], 1);
    EXPECT_EQ(Words(5), std::vector<std::string>{std::string(259, 'w')});
    EXPECT_EQ(settings.keywordSets.selectedCount, 1);
    EXPECT_EQ(settings.keywordSets.selected[3], 0);
}

TEST_F(SwitchesTest, SubfolderSwitch) {
    ASSERT_TRUE(Run("C:\\x /#U", ""));
    EXPECT_EQ(settings.includeSubfolders, 1);
}

TEST_F(SwitchesTest, SettingsFileSwitch) {
    struct Case {
        std::string commandLine, settingsPath;
        int mode;
    } cases[] = {
        {"/#S=sub\\my.ini", "C:\\app\\sub\\my.ini", positionActive},
        {"/#s=C:\\other\\x.ini", "C:\\app\\Qivora.ini", positionCenter},  // not under the program's folder
        {"/#s=missing.ini", "C:\\app\\Qivora.ini", positionCenter},
        {"/#s=" + std::string(259, 'a'), "C:\\app\\Qivora.ini", positionCenter},
        // Too long for a path; cut to 259 characters it would name another file.
        {"/#s=" + std::string(253, 'a'), "C:\\app\\Qivora.ini", positionCenter},
        {"/#s=" + std::string(252, 'a'), "C:\\app\\" + std::string(252, 'a'), positionCenter},
    };
    for (const Case& c : cases) {
        SetUp();
        programPaths.settingsPath = "C:\\app\\stale.ini";
        fake::AddFile("C:\\app\\sub\\my.ini", "[system]\r\n@menu=active\r\n%end\r\n");
        fake::AddFile("C:\\other\\x.ini", "[system]\r\n@menu=active\r\n%end\r\n");
        fake::AddFile("C:\\app\\" + std::string(252, 'a'), "");
        fake::AddFile("C:\\app\\" + std::string(253, 'a'), "");
        ASSERT_TRUE(Run(c.commandLine, "")) << c.commandLine;
        EXPECT_EQ(programPaths.settingsPath.view(), c.settingsPath) << c.commandLine;
        EXPECT_EQ(settings.positionMode, c.mode) << c.commandLine;
    }
}

TEST_F(SwitchesTest, EmptySettingsFileValueNamesTheFolderAndFails) {
    for (const char* commandLine : {"/#s= C:\\data", "C:\\data /#s="}) {
        SetUp();
        EXPECT_FALSE(Run(commandLine, "")) << commandLine;
        EXPECT_EQ(programPaths.settingsPath.view(), "C:\\app\\");
        ASSERT_EQ(fake::errorBoxes.size(), 1u);
        EXPECT_EQ(fake::errorBoxes[0].text, "設定ファイル異常");
    }
}

TEST_F(SwitchesTest, StartPathTokens) {
    fake::AddFolder("C:\\data");
    fake::AddFolder("C:\\My Data");
    fake::AddFolder("C:\\one");
    fake::AddFolder("C:\\work\\notes");
    fake::AddFile("C:\\work\\memo.txt", "");
    fake::AddFolder("C:\\\x95\x5C");  // 表: its second byte is a backslash
    const std::string longFolder = "C:\\" + std::string(256, 'f');
    fake::AddFolder(longFolder);
    fake::AddFolder(longFolder + "g");
    struct Case {
        std::string commandLine, startPath;
        int mode;
    } cases[] = {
        {"C:\\data", "C:\\data", 1},
        {"C:\\data\\", "C:\\data", 1},
        {"\"C:\\My Data\\\"", "C:\\My Data", 1},
        {"C:\\My Data", "", 0},
        {"/#m=mouse /#g1=\"a | b\" \"C:\\My Data\" /#u", "C:\\My Data", 1},
        {"x\"  C:\\data  \"", "C:\\data", 1},
        {"  C:\\nothing C:\\one C:\\data", "C:\\one", 1},
        {"notes", "notes", 1},
        {"memo.txt", "memo.txt", 1},
        {"C:\\da\tta\r\n", "C:\\data", 1},
        {"C:\\\x95\x5C", "C:\\\x95\x5C", 1},
        {"C:\\\x95\x5C\\", "C:\\\x95\x5C", 1},
        {longFolder + "\\", longFolder, 1},
        {longFolder + "g", "", 0},
        {"\"\" /#u", "", 0},
    };
    for (const Case& c : cases) {
        startPath = "stale";
        startMode = 1;
        FindStartPath(c.commandLine);
        EXPECT_EQ(startMode, c.mode) << c.commandLine;
        if (c.mode == 1) {
            EXPECT_EQ(startPath.view(), c.startPath) << c.commandLine;
        }
    }
}

}  // namespace
}  // namespace qv
