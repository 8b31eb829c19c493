// The option value parsers, and the switches that override them for one run.
#include "settings/option_values.h"
#include "settings/program_lookup.h"

#include "settings_fixture.h"

namespace qv {
namespace {

using Words_ = std::vector<std::string>;
using OptionsTest = SettingsTest;

Words_ Extensions() { return Words_(process::settings.extensionFilters, process::settings.extensionFilters + process::settings.extensionFilterCount); }

TEST_F(OptionsTest, MenuPositionWordsAndCoordinates) {
    const struct { const char* value; int mouseButtons, mode, x, y; } cases[] = {
        {"MOUS2", 3, positionMouse2, 7, 9}, {"mouse", 0, positionActive, 7, 9}, {"xcenter", 3, positionActive, 7, 9},
        {"centered", 3, positionCenter, 7, 9},  // cut to six letters, still "center"
        {"1234567,8", 3, positionFixed, 123456, 8}, {"MAX,MAX", 3, positionFixed, 1920, 1040},
        {"100,max", 3, positionFixed, 100, 0},  // a last "MAX" must be written exactly so
        {"100,max,", 3, positionFixed, 100, 1040}, {"MAX", 3, positionActive, 7, 9},
        {"center,5", 3, positionCenter, 7, 9},  // a word ends the value
    };
    for (const auto& c : cases) {
        process::settings.positionMode = positionUnset;
        process::settings.fixedX = 7;
        process::settings.fixedY = 9;
        process::screenMetrics.mouseButtons = c.mouseButtons;
        ParseMenuOption(std::string(c.value) + "\r\n");
        EXPECT_EQ(std::vector<int>({process::settings.positionMode, process::settings.fixedX, process::settings.fixedY}),
                  std::vector<int>({c.mode, c.x, c.y})) << c.value;
    }
}

TEST_F(OptionsTest, FontFieldsPerStyle) {
    const ViewStyle &sub = process::settings.submenuStyle, &root = process::settings.rootStyle;
    ParseFontOption("Arial,16,1\r\n");
    EXPECT_EQ(std::vector<int>({sub.fontWeight, sub.fontItalic}), std::vector<int>({100, 0}));
    ParseFontOption("Arial,0,7,1,-1,-1,12,0\r\n");
    EXPECT_EQ(std::vector<int>({sub.customFont, sub.fontHeight, sub.fontWeight, sub.fontItalic}),
              std::vector<int>({1, 14, 700, 1}));
    EXPECT_EQ(std::vector<int>({root.customFont, root.fontHeight, root.fontWeight}), std::vector<int>({0, 14, 400}));
    // An empty face keeps the face; "-1" keeps drawing off.
    ParseFontOption(",,,,-1,16,\r\n");
    EXPECT_EQ(sub.fontFace.view(), "Arial");
    EXPECT_EQ(std::vector<int>({sub.fontWeight, root.customFont, root.fontHeight}), std::vector<int>({0, 0, 16}));
    // The face is cut to whole characters; the next field still counts.
    ParseFontOption(std::string(126, 'A') + "\x82\xA0" "B,22\r\n");
    EXPECT_EQ(sub.fontFace.view(), std::string(126, 'A'));
    EXPECT_EQ(sub.fontHeight, 22);
    ParseFontOption(std::string(126, 'B') + "\x82\xA0");  // the same at the end of the value
    EXPECT_EQ(sub.fontFace.view(), std::string(126, 'B'));
    ParseFontOption("," + std::string(126, '0') + "22\r\n");  // a number, too, is cut at 127 bytes
    EXPECT_EQ(sub.fontHeight, 2);
}

TEST_F(OptionsTest, TextLayoutAndListRanges) {
    const struct { const char* value; std::vector<int> sub, root; } cases[] = {
        // tab, first line, page size, item width, line numbers of each style
        {"11,5,60,5,1,,0,60,150,2", {4, 4, 20, 80, 1}, {0, 0, 60, 150, 0}},
        {"10,1,50,100,0,0,999,999,200,1", {10, 0, 50, 100, 0}, {0, 998, 999, 200, 1}},
        {"-1,-4,0,101,1,5,1,1000,201,1", {4, 0, 20, 80, 1}, {5, 0, 30, 80, 1}},
        {"0,0,1,10,0,0,0,1,10,0", {0, 0, 1, 10, 0}, {0, 0, 1, 10, 0}},  // every lowest value
        {"4,1,20,9,0,4,1,30,9,0", {4, 0, 20, 80, 0}, {4, 0, 30, 80, 0}},
        {"3", {3, 7, 7, 7, 7}, {7, 7, 7, 7, 7}},  // fields not reached keep their values
    };
    for (const auto& c : cases) {
        for (ViewStyle* style : {&process::settings.submenuStyle, &process::settings.rootStyle})
            style->tabWidth = style->firstLine = style->pageSize = style->itemWidth = style->lineNumbers = 7;
        ParseTextOption(std::string(c.value) + "\r\n");
        for (const auto& [style, want] : {std::make_pair(&process::settings.submenuStyle, c.sub), {&process::settings.rootStyle, c.root}})
            EXPECT_EQ(std::vector<int>({style->tabWidth, style->firstLine, style->pageSize, style->itemWidth,
                                        style->lineNumbers}), want) << c.value;
    }
    const struct { const char* value; int sort, grouping; } lists[] = {{"1,5", 1, 1}, {"x,-1", 0, 1}, {"0,0", 0, 0}, {"7", 1, 9}, {"1,2,0", 1, 2}};
    for (const auto& c : lists) {
        process::settings.folderGrouping = 9;
        ParseListOption(std::string(c.value) + "\r\n");
        EXPECT_EQ(std::vector<int>({process::settings.sortByFilter, process::settings.folderGrouping}), std::vector<int>({c.sort, c.grouping}))
            << c.value;
    }
}

TEST_F(OptionsTest, FilterEntriesSkipEmptyOnesAndStopAtTwenty) {
    ParseFilterOption(";.txt;;.md;\r\n.cfg");
    ParseFilterOption(" .c ;." + std::string(300, 'x') + "\r\n");  // appended, blanks kept
    EXPECT_EQ(Extensions(), (Words_{".txt", ".md", " .c ", "." + std::string(258, 'x')}));
    process::settings.extensionFilterCount = 0;
    std::string many;
    for (int i = 0; i < 21; ++i) many += ".e" + std::to_string(i) + ";";
    ParseFilterOption(many + "\r\n");
    ASSERT_EQ(process::settings.extensionFilterCount, 20);
    EXPECT_EQ(process::settings.extensionFilters[19].view(), ".e19");
}

TEST_F(OptionsTest, KeywordSetWords) {
    const struct { const char* value; Words_ words; } cases[] = {
        {"a |  | b", {"a", "b"}}, {" | a | ", {"a"}}, {"a | | b", {"a", "| b"}}, {"x|y | Foo Bar", {"x|y", "Foo Bar"}},
        {"\x83\x7C | z", {"\x83\x7C", "z"}},  // a trail byte "|" is no separator
        {"1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 | 9 | 10 | 11", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const auto& c : cases) {
        ParseKeywordSet(c.value, 4);
        EXPECT_EQ(Words(4), c.words) << c.value;
    }
    ParseKeywordSet("w", 10);  // no such set: nothing written
    EXPECT_EQ(process::settings.keywordSets.wordCount[9], 0);
}

TEST_F(OptionsTest, SearchPathFromValueFolderOrFile) {
    fake::AddFolder("C:\\tools");
    fake::AddFile("C:\\cfg\\paths.bat", "@echo off\r\nSET\tPATH=C:\\a;\tC:\\b\r\nrem path=x\r\n");
    fake::AddFile("C:\\cfg\\list.txt", "C:\\x;\r\n\tC:\\y\r\n");
    fake::AddFile("C:\\cfg\\long.txt", std::string(6000, 'p'));
    fake::AddFile("C:\\cfg\\cut.txt", std::string(5198, 'p') + "\x82\xA0");  // あ would end past the limit
    fake::AddFile("C:\\cfg\\bad.txt", "C:\\a");
    fake::MakeUnreadable("C:\\cfg\\bad.txt");
    fake::AddFile("C:\\cfg\\nul.txt", std::string("\0C:\\a", 5));  // the NUL ends the list: nothing is set
    const struct { const char* value; std::string searchPath; int set; } cases[] = {
        {"C:\\none;D:\\bin", "C:\\none;D:\\bin", 1}, {"C:\\cfg\\paths.bat", "C:\\a;C:\\b", 1},
        {"C:\\tools", "C:\\tools", 1}, {"C:\\cfg\\list.txt", "C:\\x;C:\\y", 1},
        {"C:\\cfg\\long.txt", std::string(5199, 'p'), 1}, {"C:\\cfg\\cut.txt", std::string(5198, 'p'), 1},
        {"C:\\cfg\\bad.txt", "old", 0},
        {"C:\\cfg\\nul.txt", "", 0},
    };
    for (const auto& c : cases) {
        process::settings.searchPath = "old";
        ApplySearchPathOption(c.value);
        EXPECT_EQ(process::settings.searchPath.view(), c.searchPath) << c.value;
        EXPECT_EQ(process::settings.searchPathSet, c.set) << c.value;
    }
}

TEST_F(OptionsTest, LoaderHandsEachOptionToItsParser) {
    fake::AddFile("C:\\work\\ed.exe", "");
    fake::AddFolder("C:\\work\\docs");
    ASSERT_TRUE(Run("", "[system]\r\n@menu=\tmouse\r\n@menu=center\r\n@font=Arial,16,7\r\n@font=Courier\r\n"
                        "@text=8,,,,,,,99\r\n@list=1,2\r\n@filter=;;\r\n@filter=.md\r\n@filter=.log\r\n"
                        "@grep0=a | b\r\n@grep0=c\r\n@editor=ed\r\n@editor=docs\r\n%end\r\n@sub\r\n"));
    EXPECT_EQ(process::settings.positionMode, positionMouse);
    EXPECT_EQ(process::settings.submenuStyle.fontFace.view(), "Courier");  // the later line overrides what it sets
    EXPECT_EQ(process::settings.submenuStyle.fontWeight, 700);
    EXPECT_EQ(process::settings.rootStyle.pageSize, 99);
    EXPECT_EQ(process::settings.folderGrouping, 2);
    EXPECT_EQ(Extensions(), Words_{".md"});
    EXPECT_EQ(Words(0), Words_{"c"});  // an unselected set takes the later line
    EXPECT_EQ(process::settings.editorPath.view(), "C:\\work\\ed.exe");  // never a folder
    EXPECT_EQ(process::settings.includeSubfolders, 0);
}

// A value shorter than its keyword needs leaves the line unread; the defaults stay.
TEST_F(OptionsTest, ShortValuesAndDefaults) {
    ASSERT_TRUE(Run("", "[system]\r\n@menu=9,\r\n@font=Courier\r\n@code=932\r\n@code=x\r\n"));
    EXPECT_EQ(process::settings.positionMode, positionCenter);
    EXPECT_EQ(process::settings.submenuStyle.fontHeight, 13);
    EXPECT_EQ(process::settings.codeMode, CodeMode::automatic);
    SetUp();
    ASSERT_TRUE(Run("", "[system]\r\n@menu=1,2\r\n"));
    EXPECT_EQ(process::settings.positionMode, positionFixed);
}

TEST_F(OptionsTest, SwitchesWinOverTheSettingsFile) {
    const std::string ini = "[system]\r\n@menu=100,200\r\n@filter=.log;.cfg\r\n%end\r\n";
    const struct { const char* commandLine; int mode; Words_ extensions; int subfolders; } cases[] = {
        {"/#M=mouse /#f=.md;.c /#U", positionMouse, {".md", ".c"}, 1},
        {"/#m=center /#m=mouse /#F=.md /#f=.c", positionCenter, {".md"}, 0},  // only the first counts
        {"/#m= x /#f=.c", positionFixed, {".log", ".cfg"}, 0},  // empty or too short: no switch
        {"/#f=;;; x", positionFixed, {".log", ".cfg"}, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(Run(c.commandLine, ini));
        EXPECT_EQ(process::settings.positionMode, c.mode) << c.commandLine;
        EXPECT_EQ(Extensions(), c.extensions) << c.commandLine;
        EXPECT_EQ(process::settings.includeSubfolders, c.subfolders) << c.commandLine;
    }
}

TEST_F(OptionsTest, KeywordSetSwitches) {
    const std::string ini = "[system]\r\n@grep3= | \r\n@grep3=gamma | delta\r\n@grep3=late\r\n%end\r\n";
    const struct { std::string commandLine; int selected; Words_ words; } cases[] = {
        {"/#g3=\"alpha | beta\"", 1, {"alpha", "beta"}},  // the file's lines are skipped
        {"/#G3", 1, {"gamma", "delta"}},                 // the first line with a word selects
        {"/#g3=\" | \"", 1, {"gamma", "delta"}},         // no word: as the bare switch
        {"/#g3=\"" + std::string(514, 'w') + "\"", 0, {"late"}}, {"/#g3=\"unclosed", 0, {"late"}},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(Run(c.commandLine, ini));
        const KeywordSets& sets = process::settings.keywordSets;
        EXPECT_EQ(std::vector<int>({sets.selected[3], sets.selectedCount, sets.filterActive}),
                  std::vector<int>(3, c.selected)) << c.commandLine;
        EXPECT_EQ(Words(3), c.words) << c.commandLine;
    }
    SetUp();  // a bare switch for a set the file does not define stays requested
    ASSERT_TRUE(Run("/#g4 /#g5=\"" + std::string(513, 'w') + "\"", ini));
    EXPECT_EQ(std::vector<int>({process::settings.keywordSets.selected[4], process::settings.keywordSets.selected[5]}),
              std::vector<int>({2, 1}));
    EXPECT_EQ(Words(5), Words_{std::string(259, 'w')});
}

TEST_F(OptionsTest, SettingsFileSwitch) {
    const struct { std::string commandLine, settingsPath; int mode; } cases[] = {
        {"/#S=sub\\my.ini", "C:\\app\\sub\\my.ini", positionActive},
        {"/#s=C:\\other\\x.ini", "C:\\app\\Qivora.ini", positionCenter},  // not under the program's folder
        {"/#s=missing.ini", "C:\\app\\Qivora.ini", positionCenter},
        // Too long for a path; cut to 259 characters it would name another file.
        {"/#s=" + std::string(253, 'a'), "C:\\app\\Qivora.ini", positionCenter},
        {"/#s=" + std::string(252, 'a'), "C:\\app\\" + std::string(252, 'a'), positionCenter},
    };
    for (const auto& c : cases) {
        SetUp();
        fake::AddFile("C:\\app\\sub\\my.ini", "[system]\r\n@menu=active\r\n%end\r\n");
        fake::AddFile("C:\\other\\x.ini", "[system]\r\n@menu=active\r\n%end\r\n");
        fake::AddFile("C:\\app\\" + std::string(252, 'a'), "");
        fake::AddFile("C:\\app\\" + std::string(253, 'a'), "");
        ASSERT_TRUE(Run(c.commandLine, "")) << c.commandLine;
        EXPECT_EQ(process::programPaths.settingsPath.view(), c.settingsPath) << c.commandLine;
        EXPECT_EQ(process::settings.positionMode, c.mode) << c.commandLine;
    }
    SetUp();  // an empty value names the folder, which cannot be read
    EXPECT_FALSE(Run("C:\\data /#s=", ""));
    EXPECT_EQ(process::programPaths.settingsPath.view(), "C:\\app\\");
    EXPECT_EQ(fake::errorBoxes.size(), 1u);
}

TEST_F(OptionsTest, StartPathTokens) {
    for (const char* folder : {"C:\\data", "C:\\My Data", "C:\\one", "C:\\work\\notes", "C:\\\x95\x5C"})
        fake::AddFolder(folder);
    fake::AddFile("C:\\work\\memo.txt", "");
    const std::string longFolder = "C:\\" + std::string(256, 'f');
    fake::AddFolder(longFolder);
    fake::AddFolder(longFolder + "g");
    const struct { std::string commandLine, startPath; } cases[] = {
        {"/#m=mouse /#g1=\"a | b\" \"C:\\My Data\\\" /#u", "C:\\My Data"}, {"C:\\My Data", ""},
        {"x\"  C:\\data  \"", "C:\\data"}, {"  C:\\nothing C:\\one C:\\data", "C:\\one"},
        {"memo.txt", "C:\\work\\memo.txt"},       // relative: against the current folder
        {"C:/work/memo.txt", "C:\\work\\memo.txt"},  // written with slashes
        {"C:\\da\tta\r\n", "C:\\data"}, {"\"\" /#u", ""},
        {"C:\\\x95\x5C", "C:\\\x95\x5C"},  // 表: its second byte is no backslash to drop
        {longFolder + "\\", longFolder}, {longFolder + "g", ""},
    };
    for (const auto& c : cases) {
        process::startPath = "stale";
        process::startMode = 1;
        FindStartPath(c.commandLine);
        EXPECT_EQ(process::startMode, c.startPath.empty() ? 0 : 1) << c.commandLine;
        if (process::startMode == 1) {
            EXPECT_EQ(process::startPath.view(), c.startPath) << c.commandLine;
        }
    }
}

}  // namespace
}  // namespace qv
