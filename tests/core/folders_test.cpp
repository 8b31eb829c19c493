#include "lines/folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/path_split.h"
#include "common/state.h"
#include "fake_os.h"
#include "menu/popup.h"
#include "menu/start.h"

namespace qv {
namespace {

using Names = std::vector<std::string>;

class Folders : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        Filters({".txt"});
    }
    static void Filters(Names extensions) {
        std::copy(extensions.begin(), extensions.end(), process::settings.extensionFilters);
        process::settings.extensionFilterCount = int(extensions.size());
    }
    static void List(const char* folder) {
        ListFolder(folder);
    }
    static void Start(const char* path) {
        process::startPath = path;
        process::startMode = 1;
        ShowStartMenu(nullptr);
    }
    // Name and extension of each listed file, with its folder number.
    static Names Listed() {
        Names names;
        for (int i = 0; i < process::fileCount; ++i) {
            PathParts parts = SplitPath(process::fileList[i].path.view());
            names.push_back(parts.name + parts.extension + "@" + std::to_string(process::fileList[i].folderNumber));
        }
        return names;
    }
};

TEST_F(Folders, OwnFilesFirstThenSubfoldersDepthFirstInSystemOrder) {
    for (const char* file : {"C:\\d\\b.txt", "C:\\d\\sub1\\x.txt", "C:\\d\\a.TXT", "C:\\d\\c.log", "C:\\d\\sub1\\deep\\y.txt",
                             "C:\\d\\sub2\\z.txt"})
        fake::AddFile(file, "");
    fake::AddFolder("C:\\d\\folder.txt");  // a folder is never a file, whatever its name
    List("C:\\d");
    EXPECT_EQ(Listed(), (Names{"b.txt@0", "a.TXT@0"}));
    process::settings.includeSubfolders = 1;
    List("C:\\d\\");
    EXPECT_EQ(Listed(), (Names{"b.txt@0", "a.TXT@0", "x.txt@1", "y.txt@2", "z.txt@3"}));
    List("C:\\missing");
    EXPECT_EQ(process::fileCount, 0);
}

TEST_F(Folders, ListingEndsAtTwoHundredFilesAndSkipsPathsOf260Characters) {
    process::settings.includeSubfolders = 1;
    const std::string fits = "C:\\d\\" + std::string(250, 'f') + ".txt";
    fake::AddFile("C:\\d\\" + std::string(251, 'g') + ".txt", "");
    fake::AddFile(fits, "");
    fake::AddFile("C:\\d\\" + std::string(252, 'h') + "\\x.txt", "");  // its pattern would pass 259
    for (int i = 1; i < 150; ++i) fake::AddFile("C:\\d\\z" + std::to_string(i) + ".txt", "");
    for (int i = 0; i < 100; ++i) fake::AddFile("C:\\d\\s\\a" + std::to_string(i) + ".txt", "");
    fake::AddFile("C:\\d\\t\\late.txt", "");
    List("C:\\d");
    ASSERT_EQ(process::fileCount, kMaxFiles);
    EXPECT_EQ(std::string(process::fileList[0].path.view()), fits);
    EXPECT_EQ(Listed()[149], "z149.txt@0");
    EXPECT_EQ(Listed()[199], "a49.txt@1");  // the folder of h was skipped, not listed
}

TEST_F(Folders, SortKeysForEveryListSetting) {
    const FileEntry entries[] = {{"C:\\d\\s\\b.log", 1, 1}, {"C:\\d\\c.txt", 0, 0}, {"C:\\d\\a.log", 0, 1},
                                 {"C:\\d\\s\\a.txt", 1, 0}, {"C:\\d\\B.txt", 0, 0}};
    const struct { int sortByFilter, folderGrouping; Names order; } cases[] = {
        {0, 0, {"a.log@0", "a.txt@1", "b.log@1", "B.txt@0", "c.txt@0"}}, {0, 1, {"a.log@0", "B.txt@0", "c.txt@0", "a.txt@1", "b.log@1"}},
        {1, 0, {"a.txt@1", "B.txt@0", "c.txt@0", "a.log@0", "b.log@1"}}, {1, 2, {"B.txt@0", "c.txt@0", "a.log@0", "a.txt@1", "b.log@1"}},
    };
    for (auto& c : cases) {
        std::copy(std::begin(entries), std::end(entries), process::fileList);
        process::fileCount = 5;
        process::settings.sortByFilter = c.sortByFilter;
        process::settings.folderGrouping = c.folderGrouping;
        SortFileList();
        EXPECT_EQ(Listed(), c.order) << c.sortByFilter << c.folderGrouping;
    }
    // Folder numbers of three digits compare as text: "09m" < "100z" < "11a".
    process::fileList[0] = FileEntry{"C:\\d\\f11\\a.txt", 11, 1};
    process::fileList[1] = FileEntry{"C:\\d\\f100\\z.txt", 100, 2};
    process::fileList[2] = FileEntry{"C:\\d\\f9\\m.txt", 9, 3};
    process::fileCount = 3;
    process::settings.sortByFilter = 0;
    SortFileList();
    EXPECT_EQ(Listed(), (Names{"m.txt@9", "z.txt@100", "a.txt@11"}));
    EXPECT_EQ(process::fileList[0].filterIndex, 3);  // entries move with all their fields
}

TEST_F(Folders, StartWithAFileInsertsItsExtensionAndMakesItCurrent) {
    for (const char* file : {"C:\\d\\a.txt", "C:\\d\\b.log", "C:\\d\\Makefile"}) fake::AddFile(file, "");
    process::settings.sortByFilter = 1;
    Start("C:\\D\\B.LOG");
    EXPECT_EQ(process::startMode, 2);
    EXPECT_EQ(Names(process::settings.extensionFilters, process::settings.extensionFilters + 2), (Names{".LOG", ".txt"}));
    EXPECT_EQ(Listed(), (Names{"b.log@0", "a.txt@0"}));
    EXPECT_EQ(process::currentFile, 0);
    EXPECT_EQ(fake::closeCalls, 1);

    Start("C:\\d\\a.txt");  // already listed: the filters stay
    EXPECT_EQ(process::settings.extensionFilterCount, 2);
    EXPECT_EQ(process::currentFile, 1);

    // Named without an extension: "" goes in front and matches exactly the names without one.
    process::settings.sortByFilter = 0;
    Start("C:\\d\\Makefile");
    EXPECT_EQ(Listed(), (Names{"a.txt@0", "b.log@0", "Makefile@0"}));
    EXPECT_EQ(process::currentFile, 2);
    EXPECT_EQ(FindFilterIndex(""), 0);
    EXPECT_EQ(FindFilterIndex(".TXT"), 2);

    Start("C:\\d\\gone.txt");  // not there: the first file's page
    EXPECT_EQ(process::currentFile, 0);

    Start("C:\\d");  // a folder
    EXPECT_EQ(process::startMode, 1);
    EXPECT_EQ(Listed(), (Names{"a.txt@0", "b.log@0", "Makefile@0"}));
    Names twenty;  // no room for another extension: only the fixed items
    for (int i = 0; i < kMaxExtensions; ++i) twenty.push_back(".e" + std::to_string(i));
    Filters(twenty);
    Start("C:\\d\\b.log");
    EXPECT_EQ(process::fileCount, 0);
    EXPECT_EQ(process::startMode, 0);
}

TEST_F(Folders, ColumnsBreakOnlyWhereTheFolderChanges) {
    process::screenMetrics.itemsPerPage = 3;
    const struct { int grouping; std::vector<int> folders; const char* layout; } cases[] = {
        {0, {0, 0, 0, 0, 1, 1, 2}, "0123|456"}, {0, {0, 1, 2, 3, 4, 5, 6}, "012|345|6"}, {2, {0, 0, 1, 2, 2}, "01|2|34"},
        {1, {0, 0, 1, 1, 2}, "01-23|4"},  // a separator counts as an item of the column
        {1, {1, 1, 2}, "-01|2"},          // the first folder differs from 0
        {0, {0, 1, 0, 1}, "012|3"},  // mixed folders (sorted by name): breaks still wait for a change
    };
    for (auto& c : cases) {
        for (size_t i = 0; i < c.folders.size(); ++i)
            process::fileList[i] = FileEntry{"C:\\d\\f" + std::to_string(i) + ".txt", c.folders[i], 0};
        process::fileCount = int(c.folders.size());
        process::settings.folderGrouping = c.grouping;
        os::Menu root = os::CreatePopupMenu();
        BuildFolderList(root);
        // "|" before an item that starts a column, "-" for a separator, else the file's digit.
        std::string layout;
        for (auto& item : root->items) {
            if (item.flags & os::kMfMenuBarBreak) layout += "|";
            layout += item.flags & os::kMfSeparator ? "-" : std::to_string(item.id - cmdFileFirst);
            // Every file owns an empty submenu, filled when it opens.
            EXPECT_TRUE(item.flags & os::kMfSeparator || (item.submenu && item.submenu->items.empty()));
        }
        EXPECT_EQ(layout, c.layout) << c.grouping;
    }
}

}  // namespace
}  // namespace qv
