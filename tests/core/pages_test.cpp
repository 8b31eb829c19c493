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
        for (size_t i = 0; i < labels.size(); ++i)
            if (labels[i] == "-" && i + 1 < labels.size() && labels[i + 1] == "&> Next")
                return Labels(labels.begin(), labels.begin() + i);
        return labels;
    }
    static void SelectSet(int set, std::vector<std::string> words) {
        KeywordSets& k = settings.keywordSets;
        for (size_t w = 0; w < words.size(); ++w) k.words[set][w] = words[w];
        k.wordCount[set] = int(words.size());
        k.selected[set] = 1;
        k.selectedCount = k.filterActive = 1;
    }
};

TEST_F(Pages, LinesEndAtLineFeedsAndAFinalLineFeedAddsAnEmptyLine) {
    struct Case {
        const char* content;
        Labels lines;
    } cases[] = {
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three", ""}},
        {"one\ntwo", {"one", "two"}},
        {"\n", {"", ""}},
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

TEST_F(Pages, MessagesForEmptyShortAndFilteredFiles) {
    UseFile(0, "C:\\t\\empty.txt", "");
    UseFile(1, "C:\\t\\short.txt", "1\n2\n3");
    EXPECT_EQ(Lines(Submenu(0)), Labels{"non data"});
    settings.submenuStyle.firstLine = 5;
    EXPECT_EQ(Lines(Submenu(1)), Labels{"non line"});
    settings.submenuStyle.firstLine = 2;
    EXPECT_EQ(Lines(Submenu(1)), Labels{"3"});
    EXPECT_EQ(menuItems.items[0].lineNumber, 3);
    SelectSet(1, {"zzz"});
    os::Menu menu = Submenu(1);
    EXPECT_EQ(Lines(menu), Labels{"non grep"});
    EXPECT_EQ(fake::FindItem(menu, cmdMessage)->label, "non grep");
    EXPECT_NE(fake::FindItem(menu, cmdNextInSubmenu), nullptr);  // navigation still follows
}

TEST_F(Pages, AFileThatCannotBeReadShowsOnlyReadError) {
    UseFile(0, "C:\\t\\locked.txt", "a\n");
    UseFile(1, "C:\\t\\bad.txt", "a\n");
    fileList[2].path = "C:\\t\\missing.txt";
    fileCount = 3;
    fake::LockPath("C:\\t\\locked.txt");
    fake::MakeUnreadable("C:\\t\\bad.txt");
    for (int i = 0; i < 3; ++i) {
        menuItems.itemCount = 5;  // left by an earlier page
        EXPECT_EQ(fake::Labels(Submenu(i)), Labels{"read error"}) << i;
        EXPECT_EQ(menuItems.itemCount, 0);
    }
    os::Menu root = os::CreatePopupMenu();
    currentFile = 1;
    BuildFileMenu(root);
    EXPECT_EQ(fake::Labels(root), Labels{"read error"});
    EXPECT_EQ(root->items[0].id, unsigned(cmdMessage));
}

TEST_F(Pages, ItemTextHidesAccessKeysExpandsTabsAndIsCutAtItemWidth) {
    struct Case {
        const char* line;
        int tabWidth, itemWidth;
        const char* text;
        const char* fullText;
    } cases[] = {
        {"a&b", 4, 80, "a?b", "a&b"},
        {"\tx", 4, 80, "    x", "\tx"},
        {"\tx", 0, 80, "x", "\tx"},
        {"a\tb\tc", 2, 80, "a  b  c", "a\tb\tc"},
        {"abcdefghijklmnopqrstuvwxyz0123", 4, 10, "abcdefghij", "abcdefghijklmnopqrstuvwxyz0123"},
        {"abcdefghi\x95\x5C", 4, 10, "abcdefghi", "abcdefghi\x95\x5C"},  // never half of 表
        {"ab", 4, 0, "", "ab"},
    };
    for (auto& c : cases) {
        settings.submenuStyle.tabWidth = c.tabWidth;
        settings.submenuStyle.itemWidth = c.itemWidth;
        UseFile(0, "C:\\t\\a.txt", c.line);
        EXPECT_EQ(Lines(Submenu(0)), Labels{c.text}) << c.line;
        EXPECT_EQ(menuItems.items[0].text.view(), c.text);
        EXPECT_EQ(menuItems.items[0].fullText.view(), c.fullText);
    }
}

TEST_F(Pages, LineNumbersPrefixTheLabel) {
    settings.submenuStyle.lineNumbers = 1;
    settings.submenuStyle.itemWidth = 10;
    std::string content;
    for (int i = 1; i <= 7; ++i) content += "line " + std::to_string(i) + " of thirty chars....\n";
    UseFile(0, "C:\\t\\a.txt", content);
    settings.submenuStyle.firstLine = 6;
    os::Menu menu = Submenu(0);
    EXPECT_EQ(Lines(menu)[0], "0007  line 7 of ");
    EXPECT_EQ(menuItems.items[0].text.view(), "line 7 of ");
}

TEST_F(Pages, PageEndsAtPageSizeAmongFilteredLines) {
    std::string content;
    for (int i = 1; i <= 100; ++i) content += (i % 2 ? "odd " : "even ") + std::to_string(i) + "\n";
    UseFile(0, "C:\\t\\a.txt", content);
    SelectSet(0, {"odd"});
    Submenu(0);
    ASSERT_EQ(menuItems.itemCount, 20);
    EXPECT_EQ(menuItems.items[19].lineNumber, 39);
    EXPECT_EQ(menuItems.items[19].fullText.view(), "odd 39");
    EXPECT_EQ(menuItems.linesScanned, 39);
}

TEST_F(Pages, AtMost9999LinesAreExamined) {
    std::string content;
    for (int i = 0; i < 12000; ++i) content += i == 10500 ? "needle\n" : "hay\n";
    UseFile(0, "C:\\t\\a.txt", content);
    SelectSet(2, {"needle"});
    EXPECT_EQ(Lines(Submenu(0)), Labels{"non grep"});
    EXPECT_EQ(menuItems.linesScanned, 9999);
}

TEST_F(Pages, ReopeningASubmenuRebuildsItAndForgetsMarks) {
    UseFile(0, "C:\\t\\a.txt", "a\nb\n");
    os::Menu menu = Submenu(0);
    size_t built = menu->items.size();
    menuItems.items[1].marked = 1;
    menuItems.markedCount = 1;
    size_t menusBefore = fake::liveMenus.size();
    FillFileSubmenu(menu, 0);
    EXPECT_EQ(menu->items.size(), built);
    EXPECT_EQ(menuItems.items[1].marked, 0);
    EXPECT_EQ(menuItems.markedCount, 0);
    EXPECT_EQ(fake::liveMenus.size(), menusBefore);  // the old submenus went with their items
}

TEST_F(Pages, SubmenuAndPageDifferInStyleIdsAndHeading) {
    UseFile(0, "C:\\notes\\memo.txt", "a");
    UseFile(1, "C:\\notes\\b.txt", "b\n");
    settings.submenuStyle.customFont = 1;
    settings.submenuStyle.lineNumbers = 1;
    os::Menu sub = Submenu(1);
    EXPECT_EQ(currentFile, 1);
    EXPECT_EQ(activeStyle.customFont, 1);
    EXPECT_TRUE(fake::FindItem(sub, cmdLineFirst)->ownerDraw);
    EXPECT_NE(fake::FindItem(sub, cmdReturnInSubmenu), nullptr);
    EXPECT_EQ(fake::FindItem(sub, cmdTitle), nullptr);

    currentFile = 0;
    os::Menu root = os::CreatePopupMenu();
    BuildFileMenu(root);
    EXPECT_EQ(activeStyle.customFont, 0);
    EXPECT_EQ(activeStyle.lineNumbers, 0);
    EXPECT_EQ(fake::Labels(root), (Labels{"&@ memo.txt", "-", "a", "-", "&> Next", "&< Return", "-",
                                          "&E editor", "-", "&0 grep"}));
    EXPECT_FALSE(root->items[2].ownerDraw);
    EXPECT_EQ(root->items[2].id, unsigned(cmdLineFirst));
    EXPECT_EQ(root->items[4].id, unsigned(cmdNextOnPage));
    EXPECT_EQ(root->items[5].id, unsigned(cmdReturnOnPage));
}

TEST_F(Pages, NavigationCarriesTheLauncherAndKeywordSubmenus) {
    UseFile(0, "C:\\t\\a.txt", "a\n");
    currentLauncher = 1;  // the check mark stays on the first entry
    os::Menu menu = Submenu(0);
    const auto* launcherItem = fake::FindItem(menu, cmdLauncherMenu);
    ASSERT_NE(launcherItem->submenu, nullptr);
    EXPECT_EQ(launcherItem->label, "&E editor");
    os::Menu launcherMenu = launcherItem->submenu;
    EXPECT_EQ(fake::Labels(launcherMenu), (Labels{"&E editor", "&C clip"}));
    EXPECT_EQ(launcherMenu->items[1].id, unsigned(cmdLauncherFirst + 1));
    EXPECT_TRUE(launcherMenu->items[0].checked);
    EXPECT_FALSE(launcherMenu->items[1].checked);
    const auto* grep = fake::FindItem(menu, cmdGrepMenu);
    ASSERT_NE(grep->submenu, nullptr);
    EXPECT_EQ(fake::Labels(grep->submenu), Labels{"&all"});
    for (auto& item : menu->items)
        EXPECT_TRUE(!(item.flags & os::kMfSeparator) || item.id == cmdPageSeparator);
}

TEST_F(Pages, PageSizeBeyondTheTableStopsAtTheTable) {
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

}  // namespace
}  // namespace qv
