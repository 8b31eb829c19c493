#include "settings/options.h"

#include "settings_fixture.h"

namespace qv {
namespace {

using OptionsTest = SettingsTest;

std::vector<std::string> Extensions() {
    return std::vector<std::string>(settings.extensionFilters, settings.extensionFilters + settings.extensionFilterCount);
}

TEST_F(OptionsTest, MenuPositionWordsAndCoordinates) {
    struct Case {
        const char* value;
        int mouseButtons, mode, x, y;
    } cases[] = {
        {"mouse", 3, positionMouse, 7, 9},     {"mouse", 0, positionActive, 7, 9},
        {"MOUS2", 3, positionMouse2, 7, 9},    {"mous2", 0, positionActive, 7, 9},
        {"centered", 3, positionCenter, 7, 9},  // cut to six letters, still "center"
        {"xcenter", 3, positionActive, 7, 9},   // cut to "xcente"
        {"mouse,5", 3, positionMouse, 7, 9},   {"active", 3, positionActive, 7, 9},
        {"100,200", 3, positionFixed, 100, 200}, {"1234567,8", 3, positionFixed, 123456, 8},
        {"MAX,MAX", 3, positionFixed, 1920, 1040}, {"max,5", 3, positionFixed, 1920, 5},
        {"100,max", 3, positionFixed, 100, 0},  // a last "MAX" must be written exactly so
        {"100,max,", 3, positionFixed, 100, 1040}, {"100,MAXX", 3, positionFixed, 100, 0},
        {"MAXmouse,5", 3, positionFixed, 1920, 5}, {"MAX", 3, positionActive, 7, 9},
        {"300", 3, positionActive, 7, 9},       {"", 3, positionActive, 7, 9},
    };
    for (const Case& c : cases) {
        settings.positionMode = positionUnset;
        settings.fixedX = 7;
        settings.fixedY = 9;
        screenMetrics.mouseButtons = c.mouseButtons;
        ParseMenuOption(std::string(c.value) + "\r\n");
        EXPECT_EQ(settings.positionMode, c.mode) << c.value;
        EXPECT_EQ(settings.fixedX, c.x) << c.value;
        EXPECT_EQ(settings.fixedY, c.y) << c.value;
    }
}

TEST_F(OptionsTest, FontFaceFieldSwitchesOwnerDrawing) {
    ParseFontOption("-1,20\r\n");
    EXPECT_EQ(settings.submenuStyle.customFont, 0);
    EXPECT_EQ(settings.submenuStyle.fontHeight, 20);

    ParseFontOption("Arial,0,7,1,-1,-1,12,0\r\n");
    const ViewStyle& sub = settings.submenuStyle;
    const ViewStyle& root = settings.rootStyle;
    EXPECT_EQ(sub.customFont, 1);
    EXPECT_EQ(sub.fontFace.view(), "Arial");
    EXPECT_EQ(sub.fontHeight, 14);
    EXPECT_EQ(sub.fontWeight, 700);
    EXPECT_EQ(sub.fontItalic, 1);
    EXPECT_EQ(root.customFont, 0);
    EXPECT_EQ(root.fontHeight, 14);
    EXPECT_EQ(root.fontWeight, 400);  // 12 is not a weight
    EXPECT_EQ(root.fontItalic, 0);

    // An empty face keeps the default face; an empty height is 14, an empty weight 0.
    ParseFontOption(",,,,,16,\r\n");
    EXPECT_EQ(sub.fontFace.view(), "Arial");
    EXPECT_EQ(sub.fontWeight, 0);
    EXPECT_EQ(sub.fontItalic, 1);
    EXPECT_EQ(root.customFont, 1);
    EXPECT_EQ(root.fontFace.view(), DefaultRootStyle().fontFace.view());
    EXPECT_EQ(root.fontHeight, 16);
    EXPECT_EQ(root.fontWeight, 0);
}

TEST_F(OptionsTest, FontFaceIsCutToWholeCharactersAndTheNextFieldStillCounts) {
    ParseFontOption(std::string(200, 'A') + ",22\r\n");
    EXPECT_EQ(settings.submenuStyle.fontFace.view(), std::string(127, 'A'));
    EXPECT_EQ(settings.submenuStyle.fontHeight, 22);

    std::string face;
    for (int i = 0; i < 64; ++i) face += "\x82\xA0";  // 128 bytes of double-byte characters
    ParseFontOption(face + "\r\n");
    EXPECT_EQ(settings.submenuStyle.fontFace.view(), face.substr(0, 126));
    // Once a character is dropped, the rest of the field goes with it.
    ParseFontOption(std::string(126, 'A') + "\x82\xA0" "B,\r\n");
    EXPECT_EQ(settings.submenuStyle.fontFace.view(), std::string(126, 'A'));
}

TEST_F(OptionsTest, TextLayoutRangesPerStyle) {
    struct Layout {
        int tab, first, page, width, numbers;
    };
    struct Case {
        const char* value;
        Layout sub, root;
    } cases[] = {
        {"11,5,60,5,1,,0,60,150,2", {4, 4, 20, 80, 1}, {0, 0, 60, 150, 0}},
        {"10,1,50,100,0,0,999,999,200,1", {10, 0, 50, 100, 0}, {0, 998, 999, 200, 1}},
        {"-1,-4,0,101,1,5,1,1000,201,1", {4, 0, 20, 80, 1}, {5, 0, 30, 80, 1}},
        {"3", {3, 7, 7, 7, 7}, {7, 7, 7, 7, 7}},  // fields not reached keep their values
        {"1,2,3,40,1,2,3,4,50,0,99", {1, 1, 3, 40, 1}, {2, 2, 4, 50, 0}},
    };
    for (const Case& c : cases) {
        for (ViewStyle* style : {&settings.submenuStyle, &settings.rootStyle})
            style->tabWidth = style->firstLine = style->pageSize = style->itemWidth = style->lineNumbers = 7;
        ParseTextOption(std::string(c.value) + "\r\n");
        const ViewStyle* styles[] = {&settings.submenuStyle, &settings.rootStyle};
        const Layout* layouts[] = {&c.sub, &c.root};
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(styles[i]->tabWidth, layouts[i]->tab) << c.value << " style " << i;
            EXPECT_EQ(styles[i]->firstLine, layouts[i]->first) << c.value << " style " << i;
            EXPECT_EQ(styles[i]->pageSize, layouts[i]->page) << c.value << " style " << i;
            EXPECT_EQ(styles[i]->itemWidth, layouts[i]->width) << c.value << " style " << i;
            EXPECT_EQ(styles[i]->lineNumbers, layouts[i]->numbers) << c.value << " style " << i;
        }
    }
}

TEST_F(OptionsTest, ListOrderAndGrouping) {
    struct Case {
        const char* value;
        int sort, grouping;
    } cases[] = {{"1,5", 1, 1}, {"0,2", 0, 2}, {"-3,0", 1, 0}, {"x,-1", 0, 1}, {"7", 1, 9}, {"0,", 0, 0}};
    for (const Case& c : cases) {
        settings.sortByFilter = 9;
        settings.folderGrouping = 9;
        ParseListOption(std::string(c.value) + "\r\n");
        EXPECT_EQ(settings.sortByFilter, c.sort) << c.value;
        EXPECT_EQ(settings.folderGrouping, c.grouping) << c.value;
    }
}

TEST_F(OptionsTest, FilterEntriesSkipEmptyOnesAndStopAtTwenty) {
    ParseFilterOption(";.txt;;.md;\r\n.cfg");
    EXPECT_EQ(Extensions(), (std::vector<std::string>{".txt", ".md"}));

    ParseFilterOption(" .c ;.h\r\n");  // appended, blanks kept
    EXPECT_EQ(Extensions(), (std::vector<std::string>{".txt", ".md", " .c ", ".h"}));

    settings.extensionFilterCount = 0;
    std::string many;
    for (int i = 0; i < 21; ++i) many += ".e" + std::to_string(i) + ";";
    ParseFilterOption(many + "\r\n");
    ASSERT_EQ(settings.extensionFilterCount, 20);
    EXPECT_EQ(settings.extensionFilters[19].view(), ".e19");

    settings.extensionFilterCount = 0;
    ParseFilterOption("." + std::string(300, 'x') + ";.y\r\n");
    EXPECT_EQ(Extensions(), (std::vector<std::string>{"." + std::string(258, 'x'), ".y"}));
}

TEST_F(OptionsTest, KeywordSetWords) {
    struct Case {
        const char* value;
        std::vector<std::string> words;
    } cases[] = {
        {"alpha | beta", {"alpha", "beta"}},
        {"a |  | b", {"a", "b"}},  // adjacent separators give no empty word
        {" | a | ", {"a"}},
        {"a | | b", {"a", "| b"}},
        {"x|y | Foo Bar", {"x|y", "Foo Bar"}},
        {"\x83\x7C | z", {"\x83\x7C", "z"}},  // a trail byte "|" is no separator
        {"", {}},
        {"1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 | 9 | 10 | 11", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    };
    for (const Case& c : cases) {
        ParseKeywordSet(c.value, 4);
        EXPECT_EQ(Words(4), c.words) << c.value;
    }
}

TEST_F(OptionsTest, KeywordSetSelectsARequestedSetOnlyWithAWord) {
    KeywordSets& sets = settings.keywordSets;
    sets.selected[1] = 2;
    ParseKeywordSet(" | ", 1);
    EXPECT_EQ(sets.selected[1], 2);
    ParseKeywordSet("w", 1);
    EXPECT_EQ(sets.selected[1], 1);
    ParseKeywordSet("w", 2);
    EXPECT_EQ(sets.selected[2], 0);
    ParseKeywordSet("w", 10);  // no such set: nothing written
    EXPECT_EQ(sets.wordCount[9], 0);
}

TEST_F(OptionsTest, SearchPathFromValueFolderOrFile) {
    fake::AddFolder("C:\\tools");
    fake::AddFile("C:\\cfg\\paths.bat", "@echo off\r\nSET\tPATH=C:\\a;\tC:\\b\r\nrem path=x\r\n");
    fake::AddFile("C:\\cfg\\list.txt", "C:\\x;\r\n\tC:\\y\r\n");
    fake::AddFile("C:\\cfg\\empty.txt", "");
    fake::AddFile("C:\\cfg\\nul.txt", std::string("\0C:\\a", 5));  // the NUL ends the list
    struct Case {
        const char* value;
        const char* searchPath;
        int set;
    } cases[] = {
        {"C:\\none;D:\\bin", "C:\\none;D:\\bin", 1},
        {"C:\\tools", "C:\\tools", 1},
        {"C:\\cfg\\paths.bat", "C:\\a;C:\\b", 1},
        {"C:\\cfg\\list.txt", "C:\\x;C:\\y", 1},
        {"C:\\cfg\\empty.txt", "", 0},
        {"C:\\cfg\\nul.txt", "", 0},
    };
    for (const Case& c : cases) {
        settings.searchPath = "old";
        ApplySearchPathOption(c.value);
        EXPECT_EQ(settings.searchPath.view(), c.searchPath) << c.value;
        EXPECT_EQ(settings.searchPathSet, c.set) << c.value;
    }
}

TEST_F(OptionsTest, SearchPathFileThatCannotBeReadClearsTheFlag) {
    fake::AddFile("C:\\cfg\\paths.txt", "C:\\a");
    fake::MakeUnreadable("C:\\cfg\\paths.txt");
    settings.searchPathSet = 1;
    ReadSearchPathFile("C:\\cfg\\paths.txt");
    EXPECT_EQ(settings.searchPathSet, 0);

    fake::AddFile("C:\\cfg\\long.txt", std::string(6000, 'p'));
    ReadSearchPathFile("C:\\cfg\\long.txt");
    EXPECT_EQ(settings.searchPath.view(), std::string(5199, 'p'));
}

TEST_F(OptionsTest, EditorFoundWithExeAppendedButNeverAFolder) {
    fake::AddFile("C:\\work\\ed.exe", "");
    fake::AddFolder("C:\\work\\docs");
    ApplyEditorOption("ed");
    EXPECT_EQ(settings.editorPath.view(), "C:\\work\\ed.exe");
    ApplyEditorOption("docs");
    ApplyEditorOption("missing");
    EXPECT_EQ(settings.editorPath.view(), "C:\\work\\ed.exe");
}

// Through the loader: the editor is searched on "@path=" only after that line.
TEST_F(OptionsTest, EditorUsesASearchPathGivenBeforeIt) {
    fake::AddFile("C:\\tools\\myed.exe", "");
    ASSERT_TRUE(Run("", "[system]\r\n@editor=myed\r\n@path=C:\\tools\r\n%end\r\n"));
    EXPECT_TRUE(settings.editorPath.empty());
    ASSERT_TRUE(Run("", "[system]\r\n@path=C:\\tools\r\n@editor=myed\r\n%end\r\n"));
    EXPECT_EQ(settings.editorPath.view(), "C:\\tools\\myed.exe");
}

TEST_F(OptionsTest, LoaderHandsEachOptionToItsParser) {
    ASSERT_TRUE(Run("", "[system]\r\n"
                        "@menu=\tmouse\r\n@menu=center\r\n"
                        "@font=Arial,16,7\r\n@font=Courier\r\n"
                        "@text=8,,,,,,,99\r\n@list=1,2\r\n"
                        "@filter=;;\r\n@filter=.md;.txt\r\n@filter=.log\r\n"
                        "@grep0=a | b\r\n@grep0=c\r\n"
                        "%end\r\n@sub\r\n"));
    EXPECT_EQ(settings.positionMode, positionMouse);
    EXPECT_EQ(settings.submenuStyle.fontFace.view(), "Courier");  // the later line overrides what it sets
    EXPECT_EQ(settings.submenuStyle.fontHeight, 16);
    EXPECT_EQ(settings.submenuStyle.fontWeight, 700);
    EXPECT_EQ(settings.submenuStyle.tabWidth, 8);
    EXPECT_EQ(settings.rootStyle.pageSize, 99);
    EXPECT_EQ(settings.sortByFilter, 1);
    EXPECT_EQ(settings.folderGrouping, 2);
    EXPECT_EQ(Extensions(), (std::vector<std::string>{".md", ".txt"}));
    EXPECT_EQ(Words(0), std::vector<std::string>{"c"});  // an unselected set takes the later line
    EXPECT_EQ(settings.keywordSets.selected[0], 0);
    EXPECT_EQ(settings.includeSubfolders, 0);
}

}  // namespace
}  // namespace qv
