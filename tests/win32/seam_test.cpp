// The Win32 side of the seam, and the settings and listing code over real files.
#include <gtest/gtest.h>

#include "common/state.h"
#include "lines/folders.h"
#include "os/os.h"
#include "settings/launchers.h"
#include "settings/option_values.h"
#include "settings/program_lookup.h"
#include "settings/switches.h"
#include "temp_folder.h"

namespace {

class SeamTest : public ::testing::Test {
protected:
    void SetUp() override { qv::ResetProcessState(); }
    TempFolder folder;
};

TEST_F(SeamTest, ProgramFoundWithExeThroughASearchPathList) {
    folder.MakeFolder("bin");
    folder.Write("bin\\tool.exe", "MZ");
    qv::ApplySearchPathOption(folder.path() + "nowhere;" + folder.path() + "bin");
    ASSERT_EQ(qv::process::settings.searchPathSet, 1);
    std::string path;
    EXPECT_TRUE(qv::ResolveProgramPath("tool", true, &path));
    EXPECT_EQ(path, folder / "bin\\tool.exe");
    EXPECT_FALSE(qv::ResolveProgramPath("tool", false, &path));
    EXPECT_EQ(path, "tool");
}

TEST_F(SeamTest, SearchPathFromAFileWithASetLine) {
    folder.MakeFolder("bin");
    folder.Write("bin\\tool.exe", "MZ");
    folder.Write("paths.bat", "@echo off\r\nset PATH=" + folder.path() + "bin;C:\\windows\r\nrem\r\n");
    qv::ApplySearchPathOption(folder / "paths.bat");
    EXPECT_EQ(qv::process::settings.searchPath.view(), folder.path() + "bin;C:\\windows");
    qv::ApplyEditorOption("tool");
    EXPECT_EQ(qv::process::settings.editorPath.view(), folder / "bin\\tool.exe");
}

TEST_F(SeamTest, RelativeNamesBecomeAbsoluteAndFoldersAreRejected) {
    folder.MakeFolder("sub");
    folder.Write("sub\\ed.exe", "MZ");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.path().c_str());
    std::string path;
    EXPECT_TRUE(qv::ResolveProgramPath("sub\\ed", true, &path));
    EXPECT_EQ(path, folder / "sub\\ed.exe");
    qv::ApplyEditorOption("sub");  // a folder is found, but is no editor
    EXPECT_TRUE(qv::process::settings.editorPath.empty());
    SetCurrentDirectoryA(previous);
}

TEST_F(SeamTest, ListingVisitsOwnFilesFirstThenSubfoldersAndHiddenFiles) {
    folder.Write("b.txt", "");
    folder.MakeFolder("sub");
    folder.Write("sub\\hidden.txt", "");
    SetFileAttributesA((folder / "sub\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    folder.MakeFolder("sub\\deeper");
    folder.Write("sub\\deeper\\d.txt", "");
    folder.Write("a.TXT", "");
    folder.Write("skip.log", "");
    qv::process::settings.extensionFilters[0] = ".txt";
    qv::process::settings.extensionFilterCount = 1;
    qv::process::settings.includeSubfolders = 1;
    qv::process::fileCount = 0;
    qv::ListFolder(folder.path());
    ASSERT_EQ(qv::process::fileCount, 4);
    std::vector<std::string> own = {qv::process::fileList[0].path.c_str(), qv::process::fileList[1].path.c_str()};
    std::sort(own.begin(), own.end());
    EXPECT_EQ(own, (std::vector<std::string>{folder.path() + "a.TXT", folder.path() + "b.txt"}));
    EXPECT_EQ(qv::process::fileList[2].path.view(), folder.path() + "sub\\hidden.txt");
    EXPECT_EQ(qv::process::fileList[3].path.view(), folder.path() + "sub\\deeper\\d.txt");
    EXPECT_EQ(qv::process::fileList[3].folderNumber, 2);
}

TEST_F(SeamTest, CompareTextIgnoresCaseAndOrdersJapaneseNames) {
    EXPECT_EQ(os::CompareText("Memo", "memo"), 0);
    EXPECT_LT(os::CompareText("apple", "Banana"), 0);
    EXPECT_GT(os::CompareText("b", "A"), 0);
    // あ (0x82 0xA0) sorts before い (0x82 0xA2), and both after Latin letters.
    EXPECT_LT(os::CompareText("\x82\xA0", "\x82\xA2"), 0);
    EXPECT_LT(os::CompareText("zeta", "\x82\xA0"), 0);
}

TEST_F(SeamTest, AQuotedFolderWithBlanksIsTheStartPath) {
    folder.MakeFolder("my notes");
    qv::FindStartPath("/#u \"" + folder.path() + "my notes\\\" /#m=mouse");
    EXPECT_EQ(qv::process::startMode, 1);
    EXPECT_EQ(qv::process::startPath.view(), folder.path() + "my notes");
    qv::FindStartPath(folder.path() + "my notes");  // unquoted: its pieces name nothing
    EXPECT_EQ(qv::process::startMode, 0);
}

TEST(AnsiCodePage, IsJapanese) { EXPECT_EQ(GetACP(), 932u); }

}  // namespace
