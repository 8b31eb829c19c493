#include "lines/pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_os.h"

namespace qv {
namespace {

using Labels = std::vector<std::string>;

class Pages : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        settings.submenuStyle = DefaultSubmenuStyle();
        settings.rootStyle = DefaultRootStyle();
        launchers[0].label = "&E editor";
        launchers[1].label = "&C clip";
        launcherCount = 2;
    }
    void UseFile(int index, const std::string& path, const std::string& content) {
        fake::AddFile(path, content);
        fileList[index].path = path;
        if (fileCount <= index) fileCount = index + 1;
    }
    os::Menu Submenu(int index) {
        os::Menu menu = os::CreateMenu();
        FillFileSubmenu(menu, index);
        return menu;
    }
    // Only the line items and messages, before the navigation items.
    static Labels Lines(os::Menu menu) {
        Labels labels = fake::Labels(menu);
        for (size_t i = 0; i + 1 < labels.size(); ++i)
            if (labels[i] == "-" && labels[i + 1] == "&> Next") return Labels(labels.begin(), labels.begin() + i);
        return labels;
    }
    static void SelectSet(int set, const char* word) {
        KeywordSets& k = settings.keywordSets;
        k.words[set][0] = word;
        k.wordCount[set] = 1;
        k.selected[set] = k.selectedCount = k.filterActive = 1;
    }
};

TEST_F(Pages, LinesEndAtLineFeedsAndAFinalLineFeedAddsAnEmptyLine) {
    const struct {
        const char* content;
        Labels lines;
    } cases[] = {
        {"one\r\ntwo\r\n", {"one", "two", ""}},
        {"one\ntwo", {"one", "two"}},
        {"a\rb\rc", {"abc"}},  // lone carriage returns do not end lines
        {"x\n\n\ny", {"x", "", "", "y"}},
    };
    for (auto& c : cases) {
        UseFile(0, "C:\\t\\a.txt", c.content);
        EXPECT_EQ(Lines(Submenu(0)), c.lines) << c.content;
        EXPECT_EQ(menuItems.linesScanned, int(c.lines.size()));
    }
    EXPECT_EQ(menuItems.items[3].lineNumber, 4);
}

TEST_F(Pages, MessagesForEmptyShortFilteredAndUnreadableFiles) {
    UseFile(0, "C:\\t\\empty.txt", "");
    UseFile(1, "C:\\t\\short.txt", "1\n2\n3");
    UseFile(2, "C:\\t\\bad.txt", "a\n");
    fileList[3].path = "C:\\t\\missing.txt";
    fileCount = 4;
    fake::MakeUnreadable("C:\\t\\bad.txt");
    EXPECT_EQ(Lines(Submenu(0)), Labels{"non data"});
    settings.submenuStyle.firstLine = 5;
    EXPECT_EQ(Lines(Submenu(1)), Labels{"non line"});
    settings.submenuStyle.firstLine = 2;
    EXPECT_EQ(Lines(Submenu(1)), Labels{"3"});
    EXPECT_EQ(menuItems.items[0].lineNumber, 3);
    SelectSet(1, "zzz");
    os::Menu menu = Submenu(1);
    EXPECT_EQ(Lines(menu), Labels{"non grep"});
    EXPECT_NE(fake::FindItem(menu, cmdNextInSubmenu), nullptr);  // navigation still follows
    for (int i : {2, 3}) {
        menuItems.itemCount = 5;  // left by an earlier page
        EXPECT_EQ(fake::Labels(Submenu(i)), Labels{"read error"}) << i;  // and nothing else
        EXPECT_EQ(menuItems.itemCount, 0);
    }
}

TEST_F(Pages, ItemTextHidesAccessKeysExpandsTabsAndIsCutAtItemWidth) {
    const struct {
        const char* line;
        int tabWidth, itemWidth;
        const char* text;
    } cases[] = {
        {"a&b", 4, 80, "a?b"},
        {"a\tb\tc", 2, 80, "a  b  c"},
        {"\tx", 0, 80, "x"},
        {"abcdefghijklmnopqrstuvwxyz0123", 4, 10, "abcdefghij"},
        {"abcdefghi\x95\x5C", 4, 10, "abcdefghi"},  // never half of 表
        {"ab", 4, 0, ""},
    };
    for (auto& c : cases) {
        settings.submenuStyle.tabWidth = c.tabWidth;
        settings.submenuStyle.itemWidth = c.itemWidth;
        UseFile(0, "C:\\t\\a.txt", c.line);
        EXPECT_EQ(Lines(Submenu(0)), Labels{c.text}) << c.line;
        EXPECT_EQ(menuItems.items[0].fullText.view(), c.line);
    }
}

TEST_F(Pages, LineNumbersPrefixTheLabel) {
    settings.submenuStyle.lineNumbers = 1;
    settings.submenuStyle.itemWidth = 10;
    settings.submenuStyle.firstLine = 6;
    std::string content;
    for (int i = 1; i <= 7; ++i) content += "line " + std::to_string(i) + " of thirty chars....\n";
    UseFile(0, "C:\\t\\a.txt", content);
    EXPECT_EQ(Lines(Submenu(0))[0], "0007  line 7 of ");
}

TEST_F(Pages, PageEndsAtPageSizeAmongFilteredLinesAndTheFilterStopsAt9999) {
    std::string content;
    for (int i = 1; i <= 100; ++i) content += (i % 2 ? "odd " : "even ") + std::to_string(i) + "\n";
    UseFile(0, "C:\\t\\a.txt", content);
    SelectSet(0, "odd");
    Submenu(0);
    ASSERT_EQ(menuItems.itemCount, 20);
    EXPECT_EQ(menuItems.items[19].fullText.view(), "odd 39");
    EXPECT_EQ(menuItems.linesScanned, 39);

    content.clear();
    for (int i = 1; i <= 10001; ++i) content += i == 10000 ? "needle\n" : "hay\n";
    UseFile(0, "C:\\t\\a.txt", content);
    SelectSet(0, "needle");
    EXPECT_EQ(Lines(Submenu(0)), Labels{"non grep"});
    EXPECT_EQ(menuItems.linesScanned, 9999);
}

TEST_F(Pages, PageSizeIsHeldToTheTable) {
    std::string content;
    for (int i = 0; i < 1500; ++i) content += "l\n";
    UseFile(0, "C:\\t\\a.txt", content);
    settings.rootStyle.pageSize = 5000;
    BuildFileMenu(os::CreatePopupMenu());
    EXPECT_EQ(menuItems.itemCount, kMaxMenuItems);
    settings.rootStyle.pageSize = 0;
    BuildFileMenu(os::CreatePopupMenu());
    EXPECT_EQ(menuItems.itemCount, 1);
}

TEST_F(Pages, ReopeningASubmenuRebuildsItAndForgetsMarks) {
    UseFile(0, "C:\\t\\a.txt", "a\nb\n");
    os::Menu menu = Submenu(0);
    const size_t built = menu->items.size(), menusBefore = fake::liveMenus.size();
    menuItems.items[1].marked = menuItems.markedCount = 1;
    FillFileSubmenu(menu, 0);
    EXPECT_EQ(menu->items.size(), built);
    EXPECT_EQ(menuItems.items[1].marked, 0);
    EXPECT_EQ(menuItems.markedCount, 0);
    EXPECT_EQ(fake::liveMenus.size(), menusBefore);  // the old submenus went with their items
}

TEST_F(Pages, SubmenuAndPageDifferInStyleIdsAndHeading) {
    UseFile(0, "C:\\notes\\memo.txt", "a");
    UseFile(1, "C:\\notes\\b.txt", "b\n");
    settings.submenuStyle.customFont = settings.submenuStyle.lineNumbers = 1;
    os::Menu sub = Submenu(1);
    EXPECT_EQ(currentFile, 1);
    EXPECT_TRUE(fake::FindItem(sub, cmdLineFirst)->ownerDraw);
    EXPECT_NE(fake::FindItem(sub, cmdReturnInSubmenu), nullptr);

    currentFile = 0;
    currentLauncher = 1;  // the check mark stays on the first entry
    os::Menu root = os::CreatePopupMenu();
    BuildFileMenu(root);
    EXPECT_EQ(activeStyle.customFont, 0);
    EXPECT_EQ(fake::Labels(root),
              (Labels{"&@ memo.txt", "-", "a", "-", "&> Next", "&< Return", "-", "&E editor", "-", "&0 grep"}));
    const unsigned ids[] = {cmdTitle, cmdPageSeparator, cmdLineFirst, cmdPageSeparator, cmdNextOnPage,
                            cmdReturnOnPage, cmdPageSeparator, cmdLauncherMenu, cmdPageSeparator, cmdGrepMenu};
    for (size_t i = 0; i < root->items.size(); ++i) EXPECT_EQ(root->items[i].id, ids[i]) << i;
    os::Menu launcherMenu = root->items[7].submenu;
    ASSERT_NE(launcherMenu, nullptr);
    EXPECT_EQ(fake::Labels(launcherMenu), (Labels{"&E editor", "&C clip"}));
    EXPECT_EQ(launcherMenu->items[1].id, unsigned(cmdLauncherFirst + 1));
    EXPECT_TRUE(launcherMenu->items[0].checked);
    EXPECT_FALSE(launcherMenu->items[1].checked);
    ASSERT_NE(root->items[9].submenu, nullptr);
}

}  // namespace
}  // namespace qv
