// The settings of a run: the command line and the settings file, read as the
// program starts, summed up as the fields that differ from their defaults.
#include <string>

#include "fixture.h"

namespace qv {
namespace {

using std::string_literals::operator""s;

std::string N(int number) { return std::to_string(number); }
std::string Style(const ViewStyle& s) {
    const int numbers[] = {s.fontHeight, s.fontWeight, s.fontItalic, s.tabWidth, s.firstLine, s.pageSize, s.itemWidth,
                           s.lineNumbers};
    std::string out = s.customFont ? std::string(s.fontFace.view()) : "-";
    for (int i = 0; i < 8; ++i) out += (i == 3 ? ";" : ",") + N(numbers[i]);
    return out;
}

// Each field that differs from its default, then what left the program.
std::string Summary(bool loaded) {
    const Settings& s = process::settings;
    const KeywordSets& sets = s.keywordSets;
    const std::string ini(process::programPaths.settingsPath.view());
    std::string out = loaded ? "" : "failed", ext, exec, mode = "unset";
    auto add = [&out](bool differs, const std::string& what) { out += differs ? (out.empty() ? "" : " ") + what : ""; };
    const char* const modes[] = {"active", "", "mouse", "mous2", "center"};
    if (s.positionMode >= 0 && s.positionMode <= 4) mode = modes[s.positionMode];
    if (s.positionMode == positionFixed) mode = N(s.fixedX) + "," + N(s.fixedY);
    add(mode != "center", "menu=" + mode);
    add(Style(s.submenuStyle) != "-,13,400,0;4,0,20,80,0", "sub=" + Style(s.submenuStyle));
    add(Style(s.rootStyle) != "-,13,400,0;4,0,30,80,0", "root=" + Style(s.rootStyle));
    add(s.includeSubfolders, "sub");
    add(s.sortByFilter || s.folderGrouping, "list=" + N(s.sortByFilter) + "," + N(s.folderGrouping));
    for (int i = 0; i < s.extensionFilterCount; ++i) ext += (i ? ";" : "") + std::string(s.extensionFilters[i].view());
    add(ext != ".txt", "ext=" + ext);
    for (int set = 0; set < kKeywordSetCount; ++set) {
        std::string words = "g" + N(set) + (sets.selected[set] == 1 ? "*" : sets.selected[set] ? "?" : "");
        for (int w = 0; w < sets.wordCount[set]; ++w) words += (w ? "," : "=") + std::string(sets.words[set][w].view());
        add(sets.wordCount[set] || sets.selected[set], words);
    }
    add(sets.selectedCount || sets.filterActive, "on=" + N(sets.selectedCount) + "," + N(sets.filterActive));
    add(!s.editorPath.empty(), "editor=" + std::string(s.editorPath.view()));
    add(s.searchPathSet || !s.searchPath.empty(), (s.searchPathSet ? "path=" : "off=") + std::string(s.searchPath));
    add(s.codeMode != CodeMode::automatic, s.codeMode == CodeMode::cp932 ? "code=932" : "code=utf8");
    add(ini != kIni, "ini=" + ini);
    for (int i = 0; i < process::launcherCount; ++i) {
        const LauncherEntry& l = process::launchers[i];
        exec += (i ? " / " : "") + std::string(l.target.view()) + "|" + l.label.c_str() + "|" + l.parameters.c_str();
    }
    add(exec != "@system|@system|", "exec=" + exec);
    add(process::startMode, "start=" + std::string(process::startPath.view()));
    return Machine::AndOutcome(out);
}

TEST_F(Machine, CommandLineAndSettingsFile) {
    const std::string sw = "@menu=100,200\r\n@filter=.log;.cfg", box = "box 設定ファイル異常 Qivora";
    const std::string grep3 = "@grep3= | \r\n@grep3=gamma | delta\r\n@grep3=late";
    // ini: the settings file, none, or from "@" on the lines of its [system].
    const struct { std::string commandLine; std::optional<std::string> ini; std::string expected; } rows[] = {
        {"", "", ""}, {"", std::nullopt, "made C:\\app\\Qivora.ini"}, {"", "[SYSTEM]\r\n@SUBfolders\r\n", "sub"},
        {"", "[system]\n   \t@s\tub\n", "sub"},  // blanks before, tabs go
        {"", "[system]\n%END\n@sub\n", ""}, {"", "[system]\n[exec]\n@sub\n", "sub"}, {"", ";\n@sub\n[system]\n", ""},
        {"", "x [system] rest\n@sub", "sub"},  // the header anywhere on its line, the last line without a line end
        {"", "@menu=MAX,MAX", "menu=1920,1040"}, {"", "@menu=100,max", "menu=100,0"},
        {"/#M=mouse /#f=.md;.c /#U", sw, "menu=mouse sub ext=.md;.c"},
        {"/#m=center /#m=mouse /#F=.md /#f=.c", sw, "ext=.md"},  // only the first counts
        {"", "@font=Arial,0,9,1,,-1,12", "sub=Arial,14,900,1;4,0,20,80,0 root=ＭＳ Ｐゴシック,14,400,0;4,0,30,80,0"},
        {"", "@font=Arial,16,7\r\n@font=Courier", "sub=Courier,16,700,0;4,0,20,80,0"},
        {"", "@font=-1,16,12,0,-1,-1", "sub=-,16,400,0;4,0,20,80,0 root=-,14,400,0;4,0,30,80,0"},
        {"", "@text=11,5,60,5,1,,0,60,150,2", "sub=-,13,400,0;4,4,20,80,1 root=-,13,400,0;0,0,60,150,0"},
        {"", "@list=7,9", "list=1,1"}, {"", "@filter=;;\r\n@filter= .md ;;.c\r\n@filter=.log", "ext= .md ;.c"},
        {"", "@grep0=a |  | b\r\n@grep3=x|y | Foo Bar\r\n@grep4=\x83\x7C | z", "g0=a,b g3=x|y,Foo Bar g4=\x83\x7C,z"},
        {"/#g3=\"alpha | beta\"", grep3, "g3*=alpha,beta on=1,1"},  // the file's lines are skipped
        {"/#G3", grep3, "g3*=gamma,delta on=1,1"},  // the first line with a word selects
        {"/#g3=\"unclosed /#g4", grep3, "g3=late g4?"},  // g4 waits for its words
        {"", "@editor=ed\r\n@editor=docs", "editor=C:\\work\\ed.exe"},  // never a folder
        {"", "@path=C:\\none;D:\\bin", "path=C:\\none;D:\\bin"}, {"", "@path=C:\\cfg\\paths.bat", "path=C:\\a;C:\\b"},
        {"", "@path=C:\\cfg\\list.txt", "path=C:\\x;C:\\y"}, {"", "@path=C:\\cfg\\u16.txt", "path=C:\\\x95\x5C"},
        {"", "@path=C:\\cfg\\nul.txt", "path=C:\\a"},
        {"", "@editor=viewer\r\n@path=C:\\cfg\\more.bat\r\n@editor=viewer\r\n%end\r\n[exec]\r\nviewer | View",
         "editor=C:\\more\\viewer.exe path=C:\\bin;C:\\more exec=C:\\more\\viewer.exe|View|\"%P\""},
        {"", "@path=C:\\none;C:\\a\r\n[exec]\r\ntool", "path=C:\\none;C:\\a exec=C:\\a\\tool.exe|tool|\"%P\""},
        {"", "[exec]\r\ntool | T\r\n", "exec=C:\\Windows\\tool.exe|T|\"%P\""},
        {"", "[exec]\r\n>before any entry\r\nC:\\tools\\ed.exe | Edit | more\r\nC:\\tools\\ed\r\nC:\\docs | Docs\r\n"
             "nothing\r\n>after a skipped line\r\n@clipboard | Copy\r\n>first\r\n>second %P\r\n@CLIPx | All\r\n"
             "@clipxyz\r\n@System32 | Open\r\n@other | X\r\n%END\r\n@system",
         "exec=C:\\tools\\ed.exe|Edit | more|\"%P\" / C:\\tools\\ed.exe|ed|after a skipped line / "
         "@clip|Copy|second %P / @clipX|All| / @clipX|@clipX| / @system|Open|"},
        {"", "[exec]\r\nnothing\r\n%end\r\n", ""},
        {"", "[exec]\r\n" + Repeat("@clip\r\n", 19) + "@clip | 20th\r\n>p\r\n@system\r\n>q",  // twenty at most
         "exec=" + Repeat("@clip|@clip| / ", 19) + "@clip|20th|p"},
        {"", "@code=utf8", "code=utf8"}, {"", "@code=932\r\n@code=x", ""},
        {"/#S=sub\\my.ini", "", "menu=active ini=C:\\app\\sub\\my.ini"},
        {"/#s=C:\\other\\x.ini", "", ""},  // only a file under the program's folder
        {"/#s=bad.ini", "", "failed menu=unset ext= ini=C:\\app\\bad.ini exec= ; " + box},
        {"C:\\data /#s=", "", "failed menu=unset ext= ini=C:\\app\\ exec= start=C:\\data ; " + box},
        {"", "@filter=.txt\0;.log\r\n@sub\0\r\n@text=\0" "9\r\n%end"s, "sub"},  // a NUL ends a line's text
        {"", "x\0[system]\r\n@sub\r\n"s, ""},
        {"", "@grep1=\xE6\x97\xA5\xE6\x9C\xAC\r\n%end\r\n[exec]\r\n@clip | \xE8\xA1\xA8",  // UTF-8
         "g1=\x93\xFA\x96\x7B exec=@clip|\x95\x5C|"},
        {"/#u \"C:\\My Data\\\"", "", "sub start=C:\\My Data"}, {"C:\\My Data", "", ""},
        {"x\"  C:\\data  \"", "", "start=C:\\data"}, {"  C:\\nothing C:\\one C:\\data", "", "start=C:\\one"},
        {"memo.txt", "", "start=C:\\work\\memo.txt"}, {"C:/work/memo.txt", "", "start=C:\\work\\memo.txt"},
        {"C:\\\x95\x5C", "", "start=C:\\\x95\x5C"},  // 表 keeps its second byte
    };
    for (const auto& row : rows) {
        SetUp();
        for (const char* file : {"C:\\work\\ed.exe", "C:\\tools\\ed.exe", "C:\\a\\tool.exe", "C:\\Windows\\tool.exe",
                                 "C:\\more\\viewer.exe", "C:\\work\\memo.txt", "C:\\app\\sub\\my.ini",
                                 "C:\\other\\x.ini", "C:\\app\\bad.ini"})
            fake::AddFile(file, "[system]\r\n@menu=active\r\n");
        for (const char* folder : {"C:\\work\\docs", "C:\\docs", "C:\\data", "C:\\My Data", "C:\\one", "C:\\\x95\x5C"})
            fake::AddFolder(folder);
        fake::MakeUnreadable("C:\\app\\bad.ini");
        const std::pair<const char*, std::string> lists[] = {
            {"paths.bat", "@echo off\r\nSET\tPATH=C:\\a;\tC:\\b\r\nrem path=x"},
            {"more.bat", "set path=C:\\bin;C:\\more"}, {"list.txt", "C:\\x;\r\n\tC:\\y\r\n"},
            {"u16.txt", "\xFF\xFE" "C\0:\0\\\0h\x88"s}, {"nul.txt", "set path=C:\\a\0;C:\\b"s}};
        for (const auto& [name, list] : lists) fake::AddFile("C:\\cfg\\" + std::string(name), list);  // u16.txt: C:\表
        const bool system = row.ini && row.ini->rfind("@", 0) == 0;
        EXPECT_EQ(Summary(Load(row.commandLine, system ? "[system]\r\n" + *row.ini : row.ini)), row.expected)
            << row.commandLine << " with " << row.ini.value_or("none");
    }
}

}  // namespace
}  // namespace qv
