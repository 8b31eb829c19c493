// The manual Qivora.txt, checked against the program: the texts it shows,
// the examples of macros and launchers the manual gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/program_paths.h"
#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"
#include "lines/folders.h"
#include "lines/pages.h"
#include "menu/launch.h"
#include "menu/popup.h"
#include "output/macros.h"
#include "settings/load_settings.h"
#include "shipped_file.h"

namespace qv {
namespace {

class Manual : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadShippedFile("docs/Qivora.txt", &manual_)) << QIVORA_SOURCE_DIR;
        fake::Reset();
        InitProgramPaths("C:\\app\\Qivora.exe", "");
    }
    bool Mentions(std::string_view text) const { return manual_.find(text) != std::string::npos; }

    // The lines after the first line that starts with `after`, up to the
    // first blank line, without their first `indent` characters.
    std::vector<std::string> Block(std::string_view after, size_t indent) const {
        std::vector<std::string> lines;
        size_t at = manual_.find(after);
        if (at == std::string::npos) return lines;
        at = manual_.find("\r\n", at + after.size()) + 2;
        for (;;) {
            const size_t end = manual_.find("\r\n", at);
            if (end == std::string::npos || end == at) break;
            lines.push_back(manual_.substr(at + indent, end - at - indent));
            at = end + 2;
        }
        return lines;
    }
    std::string manual_;
};

void CollectLabels(os::Menu menu, std::vector<std::string>* labels) {
    for (const auto& item : menu->items) {
        if (!item.label.empty()) labels->push_back(item.label);
        if (item.submenu) CollectLabels(item.submenu, labels);
    }
}

TEST_F(Manual, IsCp932WithCrLfAndNamesItsVersion) {
    EXPECT_EQ(FirstFaultInWindowsText(manual_), std::string_view::npos);
    EXPECT_EQ(manual_.rfind("Qivora 1.06 説明書\r\n", 0), 0u);
}

// Every fixed label and message the menus show, taken from the menus the
// program builds, is explained.
TEST_F(Manual, ExplainsEveryTextTheMenusShow) {
    std::vector<std::string> labels;
    os::Menu fixed = os::CreatePopupMenu();
    AppendFixedItems(fixed, false);
    CollectLabels(fixed, &labels);

    settings.submenuStyle = DefaultSubmenuStyle();
    settings.rootStyle = DefaultRootStyle();
    launcherCount = 0;
    testing_items::SetLauncher(0, "@system", "");
    settings.keywordSets.wordCount[0] = 1;
    settings.keywordSets.words[0][0] = "x";
    struct Page {
        const char* content;  // nullptr: the file is missing
        bool filtered;
    } pages[] = {{"line\n", false}, {"", false}, {nullptr, false}, {"line\n", true}};
    for (const Page& page : pages) {
        fake::RemovePath("C:\\notes\\memo.txt");
        if (page.content) fake::AddFile("C:\\notes\\memo.txt", page.content);
        settings.keywordSets.filterActive = page.filtered;
        settings.keywordSets.selected[0] = page.filtered;
        testing_items::SetCurrentFile("C:\\notes\\memo.txt");
        os::Menu root = os::CreatePopupMenu();
        BuildFileMenu(root);
        CollectLabels(root, &labels);
    }
    settings.rootStyle.firstLine = 5;
    os::Menu shortPage = os::CreatePopupMenu();
    fake::AddFile("C:\\notes\\memo.txt", "line\n");
    settings.keywordSets.filterActive = 0;
    BuildFileMenu(shortPage);
    CollectLabels(shortPage, &labels);
    fileCount = 0;
    os::Menu emptyFolder = os::CreatePopupMenu();
    BuildFolderList(emptyFolder);
    CollectLabels(emptyFolder, &labels);

    fake::LockPath("C:\\app\\Qivora.ini");
    fake::AddFile("C:\\app\\Qivora.ini", "");
    ASSERT_FALSE(LoadSettings(nullptr));
    ASSERT_EQ(fake::errorBoxes.size(), 1u);
    labels.push_back(fake::errorBoxes[0].text);

    for (const char* expected : {"&S 設定ファイル", "&H 説明書", "&0 Ver.1.06", "&> Next", "&< Return", "&0 grep",
                                 "&all", "non data", "read error", "non grep", "non line", "non file"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
    for (const std::string& label : labels) {
        if (label == "line" || label == "0001  line" || label == "@system" || label == "&0 x") continue;
        const std::string shown = label.rfind("&@ ", 0) == 0 ? "&@" : label;  // the heading names the file
        EXPECT_TRUE(Mentions(shown)) << label;
    }
}

TEST_F(Manual, NamesEveryKeywordMacroAndSwitch) {
    for (const char* word :
         {"[system]", "[exec]", "%end", "@path=", "@menu=", "@font=", "@text=", "@sub", "@list=", "@filter=",
          "@editor=", "@grep0=", "@grep9=", "mouse", "mous2", "center", "active", "MAX", "@system", "@clip",
          "@clipX", " | ", "%P", "%D", "%-D", "%F", "%N", "%E", "%A", "%B", "%C", "%X", "%$J", "%$W", "%M",
          "\"%M\"", "%T", "\"%T\"", "/#s=", "/#m=", "/#f=", "/#u", "/#g0", "/#g1=\"", "Space", "Page Down",
          "Page Up", "Insert", "Ctrl", "Shift", "Esc", "200", "9999", "999", "1039", "517", "shell:sendto"})
        EXPECT_TRUE(Mentions(word)) << word;
}

// The table of chapter 10: each value column is what the expansion gives.
TEST_F(Manual, MacroTableMatchesTheExpansion) {
    ASSERT_TRUE(Mentions("C:\\work\\notes\\memo.txt、行番号が 12 のとき"));
    for (const char* macro : {"%P", "%D", "%-D", "%F", "%N", "%E", "%A", "%B", "%$J"}) {
        const size_t row = manual_.find("\r\n  " + std::string(macro) + " ");
        ASSERT_NE(row, std::string::npos) << macro;
        const size_t end = manual_.find("\r\n", row + 2);
        const size_t lastBlank = manual_.rfind(' ', end);
        const std::string documented = manual_.substr(lastBlank + 1, end - lastBlank - 1);
        EXPECT_EQ(ExpandMacros(macro, "C:\\work\\notes\\memo.txt", 12), documented) << macro;
    }
}

// The marked-lines examples: what the program runs for each template.
TEST_F(Manual, MarkedLineExamplesMatchTheProgram) {
    const std::vector<std::string> rows = Block("印を付けた行が a b と c のとき:", 4);
    ASSERT_EQ(rows.size(), 3u);
    fake::AddFile("C:\\tools\\view.exe", "MZ");
    for (const std::string& row : rows) {
        const size_t gap = row.find("  ");
        ASSERT_EQ(row[0], '>') << row;
        ASSERT_NE(gap, std::string::npos) << row;
        const std::string parameters = row.substr(1, gap - 1);
        const std::string documented = row.substr(row.find_first_not_of(' ', gap));
        fake::launches.clear();
        launcherCount = 0;
        testing_items::SetLauncher(0, "C:\\tools\\view.exe", parameters.c_str());
        currentLauncher = 0;
        testing_items::SetCurrentFile("C:\\notes\\memo.txt");
        testing_items::SetLines({"a b", "c"});
        testing_items::Mark({0, 1});
        ApplyCurrentLauncher(lineSourceItem, 0, false);
        ASSERT_EQ(fake::launches.size(), 1u) << row;
        EXPECT_EQ(fake::launches[0].parameters, documented) << row;
    }
}

// The [exec] example of chapter 9 loads into the entries it describes.
TEST_F(Manual, ExecExampleLoadsAsDescribed) {
    std::vector<std::string> lines = Block("例:\r\n  [exec]", 2);
    ASSERT_FALSE(lines.empty());
    std::string ini = "[exec]\r\n";
    int entries = 0;
    for (const std::string& line : lines) {
        ini += line + "\r\n";
        if (line[0] != '>' && line != "%end") ++entries;
    }
    fake::AddFile("C:\\app\\Qivora.ini", ini);
    fake::AddFile("C:\\Windows\\System32\\notepad.exe", "MZ");
    fake::AddFile("C:\\work\\sakura.exe", "MZ");  // found in the working folder
    ASSERT_TRUE(LoadSettings(nullptr));
    ASSERT_EQ(launcherCount, entries);
    for (int i = 0; i < launcherCount; ++i) EXPECT_TRUE(Mentions(launchers[i].label.view())) << i;
    EXPECT_EQ(launchers[0].target.view(), "C:\\work\\sakura.exe");
    const std::string sakura = ExpandMacros(launchers[0].parameters.view(), "C:\\notes\\memo.txt", 12);
    EXPECT_TRUE(Mentions("sakura.exe " + sakura)) << sakura;
    EXPECT_EQ(launchers[launcherCount - 1].parameters.view(), "\"%M\"");
}

}  // namespace
}  // namespace qv
