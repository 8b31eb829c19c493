// Text pages, file submenus and the labels of owner-drawn line items.
#include "menu/pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/defaults.h"
#include "fake_os.h"
#include "menu/tracking.h"

namespace qv {
namespace {

using Labels = std::vector<std::string>;

class Pages : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        process::settings.submenuStyle = defaults::SubmenuStyle();
        process::settings.rootStyle = defaults::RootStyle();
        process::launchers[0].label = "&E editor";
        process::launchers[1].label = "&C clip";
        process::launcherCount = 2;
    }
    void UseFile(int index, const std::string& content) {
        process::fileList[index].path = "C:\\t\\f" + std::to_string(index) + ".txt";
        fake::AddFile(process::fileList[index].path.c_str(), content);
        if (process::fileCount <= index) process::fileCount = index + 1;
    }
    // The labels of a file's submenu before its navigation items.
    static Labels Lines(int index) {
        os::Menu menu = os::CreateMenu();
        FillFileSubmenu(menu, index);
        Labels labels = fake::Labels(menu);
        for (size_t i = 0; i + 1 < labels.size(); ++i)
            if (labels[i] == "-" && labels[i + 1] == "&> Next") return Labels(labels.begin(), labels.begin() + i);
        return labels;
    }
    static void SelectSet(int set, const char* word) {
        KeywordSets& k = process::settings.keywordSets;
        k.words[set][0] = word;
        k.wordCount[set] = k.selected[set] = k.selectedCount = k.filterActive = 1;
    }
};

TEST_F(Pages, LinesAndMessages) {
    const struct { const char* content; int firstLine; Labels lines; } cases[] = {
        {"one\r\ntwo\r\n", 0, {"one", "two", ""}},  // a final line feed adds an empty line
        {"one\ntwo", 0, {"one", "two"}},
        {"a\rb\rc", 0, {"abc"}},  // lone carriage returns do not end lines
        {"x\n\n\ny", 2, {"", "y"}},
        {"", 0, {"non data"}},
        {"1\n2\n3", 5, {"non line"}},
    };
    for (auto& c : cases) {
        process::settings.submenuStyle.firstLine = c.firstLine;
        UseFile(0, c.content);
        EXPECT_EQ(Lines(0), c.lines) << c.content;
    }
    EXPECT_EQ(process::menuItems.linesScanned, 3);
    EXPECT_EQ(process::menuItems.items[1].lineNumber, 4);
    SelectSet(1, "zzz");
    UseFile(0, "a\n");
    EXPECT_EQ(Lines(0), Labels{"non grep"});
    UseFile(1, "a\n");
    process::fileList[2].path = "C:\\t\\missing.txt";
    process::fileCount = 3;
    fake::MakeUnreadable(process::fileList[1].path.c_str());
    std::string lines;
    for (int i = 0; i < 20; ++i) lines += std::string(299, 'x') + "\n";
    UseFile(3, lines);
    fake::MakeUnreadable(process::fileList[3].path.c_str(), 5000);  // fails after some lines were listed
    for (int i : {1, 2, 3}) {
        process::menuItems.itemCount = 5;  // left by an earlier page
        os::Menu menu = os::CreateMenu();
        FillFileSubmenu(menu, i);
        EXPECT_EQ(fake::Labels(menu), Labels{"read error"}) << i;  // and nothing else
        EXPECT_EQ(process::menuItems.itemCount, 0);
    }
}

TEST_F(Pages, ItemTextHidesAccessKeysExpandsTabsAndIsCutAtItemWidth) {
    const struct { const char* line; int tabWidth, itemWidth; const char* text; } cases[] = {
        {"a&b", 4, 80, "a?b"}, {"a\tb\tc", 2, 80, "a  b  c"}, {"\tx", 0, 80, "x"},
        {"abcdefghijklmnopqrstuvwxyz0123", 4, 10, "abcdefghij"},
        {"abcdefghi\x95\x5C", 4, 10, "abcdefghi"},  // never half of 表
        {"ab", 4, 0, ""},
    };
    for (auto& c : cases) {
        process::settings.submenuStyle.tabWidth = c.tabWidth;
        process::settings.submenuStyle.itemWidth = c.itemWidth;
        UseFile(0, c.line);
        EXPECT_EQ(Lines(0), Labels{c.text}) << c.line;
        EXPECT_EQ(process::menuItems.items[0].fullText.view(), c.line);
    }
    process::settings.submenuStyle.lineNumbers = 1;
    process::settings.submenuStyle.firstLine = 6;
    process::settings.submenuStyle.itemWidth = 10;
    UseFile(0, "1\n2\n3\n4\n5\n6\nline 7 of thirty chars....\n");
    EXPECT_EQ(Lines(0)[0], "0007  line 7 of ");
}

TEST_F(Pages, PageEndsAtPageSizeAmongFilteredLinesAndTheFilterStopsAt9999) {
    std::string content;
    for (int i = 1; i <= 100; ++i) content += (i % 2 ? "odd " : "even ") + std::to_string(i) + "\n";
    UseFile(0, content);
    SelectSet(0, "odd");
    Lines(0);
    ASSERT_EQ(process::menuItems.itemCount, 20);
    EXPECT_EQ(process::menuItems.items[19].fullText.view(), "odd 39");
    EXPECT_EQ(process::menuItems.linesScanned, 39);
    content.clear();
    for (int i = 1; i <= 10001; ++i) content += i == 10000 ? "needle\n" : "hay\n";
    UseFile(0, content);
    SelectSet(0, "needle");
    EXPECT_EQ(Lines(0), Labels{"non grep"});
    EXPECT_EQ(process::menuItems.linesScanned, 9999);
    process::settings.keywordSets = KeywordSets();
    for (int pageSize : {5000, 0}) {  // held to the table, and to at least one item
        process::settings.rootStyle.pageSize = pageSize;
        BuildFileMenu(os::CreatePopupMenu());
        EXPECT_EQ(process::menuItems.itemCount, pageSize ? kMaxMenuItems : 1);
    }
}

TEST_F(Pages, ReopeningASubmenuRebuildsItAndForgetsMarks) {
    UseFile(0, "a\nb\n");
    os::Menu menu = os::CreateMenu();
    FillFileSubmenu(menu, 0);
    const size_t built = menu->items.size(), menusBefore = fake::liveMenus.size();
    process::menuItems.items[1].marked = process::menuItems.markedCount = 1;
    FillFileSubmenu(menu, 0);
    EXPECT_EQ(menu->items.size(), built);
    EXPECT_EQ(process::menuItems.items[1].marked + process::menuItems.markedCount, 0);
    EXPECT_EQ(fake::liveMenus.size(), menusBefore);  // the old submenus went with their items
}

TEST_F(Pages, SubmenuAndPageDifferInStyleIdsAndHeading) {
    UseFile(0, "a");
    UseFile(1, "b\n");
    process::settings.submenuStyle.customFont = 1;
    os::Menu sub = os::CreateMenu();
    FillFileSubmenu(sub, 1);
    EXPECT_EQ(process::currentFile, 1);
    EXPECT_TRUE(fake::FindItem(sub, cmdLineFirst)->ownerDraw);
    EXPECT_NE(fake::FindItem(sub, cmdReturnInSubmenu), nullptr);

    process::currentFile = 0;
    process::currentLauncher = 1;  // the check mark stays on the first entry
    os::Menu root = os::CreatePopupMenu();
    BuildFileMenu(root);
    EXPECT_EQ(process::activeStyle.customFont, 0);
    EXPECT_EQ(fake::Labels(root), (Labels{"&@ f0.txt", "-", "a", "-", "&> Next", "&< Return", "-", "&E editor", "-", "&0 grep"}));
    const unsigned ids[] = {cmdTitle, cmdPageSeparator, cmdLineFirst, cmdPageSeparator, cmdNextOnPage,
                            cmdReturnOnPage, cmdPageSeparator, cmdLauncherMenu, cmdPageSeparator, cmdGrepMenu};
    for (size_t i = 0; i < root->items.size(); ++i) EXPECT_EQ(root->items[i].id, ids[i]) << i;
    os::Menu launcherMenu = root->items[7].submenu;
    ASSERT_NE(launcherMenu, nullptr);
    EXPECT_TRUE(launcherMenu->items.empty());  // filled when it opens
    process::menuState.lastSelectedMenu = root;
    OnInitMenuPopup(launcherMenu, 7);
    EXPECT_EQ(fake::Labels(launcherMenu), (Labels{"&E editor", "&C clip"}));
    EXPECT_EQ(launcherMenu->items[1].id, unsigned(cmdLauncherFirst + 1));
    EXPECT_TRUE(launcherMenu->items[0].checked && !launcherMenu->items[1].checked);
    EXPECT_NE(root->items[9].submenu, nullptr);
}

TEST(OwnerDrawLabel, MarkColumnLineNumbersAndIdsOutsideTheTable) {
    fake::Reset();
    process::menuItems.itemCount = 2;
    process::menuItems.items[0] = MenuItem{"text", "text", 1, 7};
    process::menuItems.items[1] = MenuItem{"t&x", "t&x", 0, 12345};
    const struct { unsigned id; int lineNumbers; const char* label; } cases[] = {
        {5000, 1, "* 0007  text"}, {5001, 0, "   t&x"}, {4999, 0, nullptr}, {5002, 0, nullptr}};
    for (auto& c : cases) {
        process::menuItems.itemCount = c.id == 5000 ? 1 : 2;
        process::activeStyle.lineNumbers = c.lineNumbers;
        std::string label = "unchanged";
        EXPECT_EQ(OwnerDrawLabel(c.id, &label), c.label != nullptr) << c.id;
        EXPECT_EQ(label, c.label ? c.label : "unchanged") << c.id;
    }
}

}  // namespace
}  // namespace qv
