#include "lines/folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/path_split.h"
#include "common/state.h"
#include "fake_os.h"

namespace qv {
namespace {

using Names = std::vector<std::string>;

class Folders : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        Filters({".txt"});
    }
    static void Filters(std::vector<std::string> extensions) {
        for (size_t i = 0; i < extensions.size(); ++i) settings.extensionFilters[i] = extensions[i];
        settings.extensionFilterCount = int(extensions.size());
    }
    static void List(const char* folder) {
        folderCounter = -1;
        fileCount = 0;
        listingStopped = 0;
        ListFolder(folder);
    }
    // Name and extension of each listed file, with its folder number.
    static Names Listed() {
        Names names;
        for (int i = 0; i < fileCount; ++i) {
            PathParts parts = SplitPath(fileList[i].path.view());
            names.push_back(parts.name + parts.extension + "@" + std::to_string(fileList[i].folderNumber));
        }
        return names;
    }
};

TEST_F(Folders, OwnFilesFirstThenSubfoldersDepthFirstInSystemOrder) {
    fake::AddFile("C:\\d\\b.txt", "");
    fake::AddFile("C:\\d\\sub1\\x.txt", "");
    fake::AddFile("C:\\d\\a.TXT", "");
    fake::AddFile("C:\\d\\c.log", "");
    fake::AddFile("C:\\d\\sub1\\deep\\y.txt", "");
    fake::AddFile("C:\\d\\sub2\\z.txt", "");
    fake::AddFolder("C:\\d\\folder.txt");  // a folder is never a file, whatever its name
    List("C:\\d");
    EXPECT_EQ(Listed(), (Names{"b.txt@0", "a.TXT@0"}));
    EXPECT_EQ(listingStopped, 1);
    EXPECT_EQ(std::string(fileList[0].path.view()), "C:\\d\\b.txt");

    settings.includeSubfolders = 1;
    List("C:\\d\\");
    EXPECT_EQ(Listed(), (Names{"b.txt@0", "a.TXT@0", "x.txt@1", "y.txt@2", "z.txt@3"}));
    EXPECT_EQ(folderCounter, 4);  // folder.txt, made last, was visited last
}

TEST_F(Folders, ListingEndsAtTwoHundredFilesInVisitingOrder) {
    settings.includeSubfolders = 1;
    for (int i = 0; i < 150; ++i) fake::AddFile("C:\\d\\z" + std::to_string(i) + ".txt", "");
    for (int i = 0; i < 100; ++i) fake::AddFile("C:\\d\\s\\a" + std::to_string(i) + ".txt", "");
    fake::AddFile("C:\\d\\t\\late.txt", "");
    List("C:\\d");
    ASSERT_EQ(fileCount, kMaxFiles);
    EXPECT_EQ(listingStopped, 1);
    EXPECT_EQ(Listed()[149], "z149.txt@0");
    EXPECT_EQ(Listed()[199], "a49.txt@1");
    EXPECT_EQ(folderCounter, 1);  // t was never visited
}

TEST_F(Folders, AFolderThatCannotBeSearchedEndsTheListing) {
    List("C:\\missing");
    EXPECT_EQ(fileCount, 0);
    EXPECT_EQ(listingStopped, 1);
}

TEST_F(Folders, PathsOfTwoHundredSixtyCharactersAreSkipped) {
    settings.includeSubfolders = 1;
    std::string folder = "C:\\d\\";
    std::string fits = folder + std::string(259 - folder.size() - 4, 'f') + ".txt";
    std::string tooLong = folder + std::string(260 - folder.size() - 4, 'g') + ".txt";
    fake::AddFile(tooLong, "");
    fake::AddFile(fits, "");
    fake::AddFile(folder + std::string(252, 'h') + "\\x.txt", "");  // its pattern would pass 259
    fake::AddFile(folder + "next\\n.txt", "");
    List("C:\\d");
    ASSERT_EQ(fileCount, 2);
    EXPECT_EQ(std::string(fileList[0].path.view()), fits);
    EXPECT_EQ(Listed()[1], "n.txt@1");
}

TEST_F(Folders, AnEmptyExtensionMatchesExactlyTheNamesWithoutOne) {
    Filters({"", ".txt"});
    for (const char* name : {"README", "a.txt", "b.log", "x.", "Makefile"})
        fake::AddFile(std::string("C:\\d\\") + name, "");
    List("C:\\d");
    EXPECT_EQ(Listed(), (Names{"README@0", "a.txt@0", "Makefile@0"}));
    EXPECT_EQ(fileList[0].filterIndex, 0);
    EXPECT_EQ(fileList[1].filterIndex, 1);
    EXPECT_EQ(FindFilterIndex(".TXT"), 1);
    EXPECT_EQ(FindFilterIndex(".tx"), -1);
    Filters({".txt"});
    EXPECT_EQ(FindFilterIndex(""), -1);

    startPath = "C:\\d\\Makefile";  // named without an extension: "" goes in front
    startMode = 1;
    ShowStartMenu(nullptr);
    EXPECT_EQ(settings.extensionFilterCount, 2);
    EXPECT_EQ(Listed(), (Names{"a.txt@0", "Makefile@0", "README@0"}));
    EXPECT_EQ(currentFile, 1);
}

struct Entry {
    const char* path;
    int folderNumber, filterIndex;
};

TEST_F(Folders, SortKeysForEveryListSetting) {
    const Entry entries[] = {{"C:\\d\\s\\b.log", 1, 1}, {"C:\\d\\c.txt", 0, 0}, {"C:\\d\\a.log", 0, 1},
                             {"C:\\d\\s\\a.txt", 1, 0}, {"C:\\d\\B.txt", 0, 0}};
    struct Case {
        int sortByFilter, folderGrouping;
        Names order;
    } cases[] = {
        {0, 0, {"a.log@0", "a.txt@1", "b.log@1", "B.txt@0", "c.txt@0"}},
        {0, 1, {"a.log@0", "B.txt@0", "c.txt@0", "a.txt@1", "b.log@1"}},
        {1, 0, {"a.txt@1", "B.txt@0", "c.txt@0", "a.log@0", "b.log@1"}},
        {1, 2, {"B.txt@0", "c.txt@0", "a.log@0", "a.txt@1", "b.log@1"}},
    };
    for (auto& c : cases) {
        for (int i = 0; i < 5; ++i) fileList[i] = FileEntry{entries[i].path, entries[i].folderNumber, entries[i].filterIndex};
        fileCount = 5;
        settings.sortByFilter = c.sortByFilter;
        settings.folderGrouping = c.folderGrouping;
        SortFileList();
        Names order = Listed();
        // Equal keys (a.log and a.txt by name alone) stay where the exchanges leave them.
        EXPECT_EQ(order, c.order) << c.sortByFilter << c.folderGrouping;
    }
}

TEST_F(Folders, FolderNumbersOfThreeDigitsCompareAsText) {
    fileList[0] = FileEntry{"C:\\d\\f11\\a.txt", 11, 1};
    fileList[1] = FileEntry{"C:\\d\\f100\\z.txt", 100, 2};
    fileList[2] = FileEntry{"C:\\d\\f9\\m.txt", 9, 3};
    fileCount = 3;
    settings.folderGrouping = 1;
    SortFileList();
    EXPECT_EQ(Listed(), (Names{"m.txt@9", "z.txt@100", "a.txt@11"}));  // "09m" < "100z" < "11a"
    EXPECT_EQ(fileList[0].filterIndex, 3);  // entries move with all their fields
    EXPECT_EQ(fileList[2].filterIndex, 1);
    settings.sortByFilter = 1;
    fileList[1].folderNumber = 10;
    SortFileList();
    EXPECT_EQ(Listed(), (Names{"m.txt@9", "z.txt@10", "a.txt@11"}));  // "0903m" < "1002z" < "1101a"
    fileList[2].filterIndex = 0;
    fileList[1].filterIndex = 100;
    SortFileList();
    EXPECT_EQ(Listed(), (Names{"m.txt@9", "z.txt@10", "a.txt@11"}));  // "0903m" < "10100z" < "1100a"
}

TEST_F(Folders, StartWithAFileInsertsItsExtensionAndMakesItCurrent) {
    fake::AddFile("C:\\d\\a.txt", "");
    fake::AddFile("C:\\d\\b.log", "");
    startPath = "C:\\D\\B.LOG";
    startMode = 1;
    settings.sortByFilter = 1;
    ShowStartMenu(nullptr);
    EXPECT_EQ(startMode, 2);
    ASSERT_EQ(settings.extensionFilterCount, 2);
    EXPECT_EQ(std::string(settings.extensionFilters[0].view()), ".LOG");
    EXPECT_EQ(Listed(), (Names{"b.log@0", "a.txt@0"}));
    EXPECT_EQ(currentFile, 0);
    EXPECT_EQ(fake::closeCalls, 1);

    fake::Reset();
    fake::AddFile("C:\\d\\a.txt", "");
    fake::AddFile("C:\\d\\b.log", "");
    Filters({".txt", ".ini", ".md", ".c", ".log"});
    startPath = "C:\\d\\b.log";
    startMode = 1;
    ShowStartMenu(nullptr);
    EXPECT_EQ(settings.extensionFilterCount, 5);  // already present: unchanged
    EXPECT_EQ(Listed(), (Names{"a.txt@0", "b.log@0"}));
    EXPECT_EQ(currentFile, 1);
}

TEST_F(Folders, StartWithAFileThatCannotBeListedShowsTheFixedItems) {
    fake::AddFile("C:\\d\\b.log", "");
    std::vector<std::string> twenty;
    for (int i = 0; i < kMaxExtensions; ++i) twenty.push_back(".e" + std::to_string(i));
    Filters(twenty);
    startPath = "C:\\d\\b.log";
    startMode = 1;
    ShowStartMenu(nullptr);
    EXPECT_EQ(settings.extensionFilterCount, kMaxExtensions);
    EXPECT_EQ(fileCount, 0);
    EXPECT_EQ(startMode, 0);
    EXPECT_EQ(fake::closeCalls, 1);
}

TEST_F(Folders, StartWithAFolderOrNothing) {
    fake::AddFile("C:\\d\\b.txt", "");
    fake::AddFile("C:\\d\\a.txt", "");
    startPath = "C:\\d";
    startMode = 1;
    ShowStartMenu(nullptr);
    EXPECT_EQ(startMode, 1);
    EXPECT_EQ(Listed(), (Names{"a.txt@0", "b.txt@0"}));
    EXPECT_EQ(currentFile, 0);

    fake::Reset();
    fake::AddFile("C:\\work\\a.txt", "");
    startMode = 0;
    ShowStartMenu(nullptr);
    EXPECT_EQ(fileCount, 0);
    EXPECT_EQ(fake::closeCalls, 1);
}

class FolderList : public Folders {
protected:
    os::Menu Build(std::vector<int> folders) {
        for (size_t i = 0; i < folders.size(); ++i)
            fileList[i] = FileEntry{"C:\\d\\f" + std::to_string(i) + ".txt", folders[i], 0};
        fileCount = int(folders.size());
        os::Menu root = os::CreatePopupMenu();
        BuildFolderList(root);
        return root;
    }
    // "|" for an item that starts a column, "-" for a separator, else the file's digit.
    static std::string Layout(os::Menu root) {
        std::string layout;
        for (auto& item : root->items) {
            if (item.flags & os::kMfSeparator) {
                layout += item.id == cmdFolderSeparator ? "-" : "?";
                continue;
            }
            if (item.flags & os::kMfMenuBarBreak) layout += "|";
            layout += std::to_string(item.id - cmdFileFirst);
        }
        return layout;
    }
};

TEST_F(FolderList, ColumnsBreakOnlyWhereTheFolderChanges) {
    screenMetrics.itemsPerPage = 3;
    struct Case {
        int grouping;
        std::vector<int> folders;
        const char* layout;
    } cases[] = {
        {0, {0, 0, 0, 0, 1, 1, 2}, "0123|456"},
        {0, {0, 1, 2, 3, 4, 5, 6}, "012|345|6"},
        {1, {0, 0, 1, 1, 2}, "01-23|4"},  // a separator counts as an item of the column
        {1, {1, 1, 2}, "-01|2"},  // the first folder differs from 0
        {2, {0, 0, 1, 2, 2}, "01|2|34"},
        {0, {0, 1, 0, 1}, "012|3"},  // mixed folders (sorted by name): breaks still wait for a change
    };
    for (auto& c : cases) {
        settings.folderGrouping = c.grouping;
        EXPECT_EQ(Layout(Build(c.folders)), c.layout) << c.grouping;
    }
}

TEST_F(FolderList, EveryFileOwnsAnEmptySubmenu) {
    os::Menu root = Build({0, 0});
    EXPECT_EQ(fake::Labels(root), (Names{"f0.txt", "f1.txt"}));
    for (auto& item : root->items) {
        ASSERT_NE(item.submenu, nullptr);
        EXPECT_TRUE(item.submenu->items.empty());
        EXPECT_FALSE(item.submenu->popup);
        EXPECT_EQ(fake::liveMenus.count(item.submenu), 1u);
    }
    fileCount = 0;
    os::Menu empty = os::CreatePopupMenu();
    BuildFolderList(empty);
    ASSERT_EQ(empty->items.size(), 1u);
    EXPECT_EQ(empty->items[0].label, "non file");
    EXPECT_EQ(empty->items[0].id, unsigned(cmdTitle));
}

}  // namespace
}  // namespace qv
