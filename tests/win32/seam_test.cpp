// The Win32 side of the seam, and the settings and listing code over real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/state.h"
#include "lines/folders.h"
#include "lines/page_reader.h"
#include "os/os.h"
#include "settings/option_values.h"
#include "settings/program_lookup.h"
#include "settings/switches.h"
#include "temp_folder.h"
#include "../core/process_reset.h"

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

// The longest path the ANSI functions take has 259 characters.
TEST_F(SeamTest, AStartPathOf259CharactersIsReadAndOneOf260IsNone) {
    const std::string sub = std::string(259 - folder.path().size() - 6, 'p'), fits = folder / (sub + "\\x.txt"),
                      tooLong = folder / (sub + "\\yy.txt");
    folder.MakeFolder(sub);
    folder.Write(sub + "\\x.txt", "fits\r\n");
    folder.Write(sub + "\\yy.txt", "too long\r\n");
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_NE(GetFileAttributesA(tooLong.c_str()), INVALID_FILE_ATTRIBUTES);
    qv::FindStartPath("\"" + fits + "\"");
    ASSERT_EQ(qv::process::startMode, 1);
    EXPECT_EQ(qv::ReadPage(qv::process::startPath.c_str(), qv::ViewStyle()), qv::PageRead::ok);
    EXPECT_EQ(qv::process::menuItems.items[0].fullText.view(), "fits");
    qv::FindStartPath("\"" + tooLong + "\"");
    EXPECT_EQ(qv::process::startMode, 0);
}

// A log another program holds open for writing is read, and a start file named
// by its 8.3 name is kept by the long name the folder listing shows.
TEST_F(SeamTest, AFileHeldOpenForWritingIsReadAndAShortStartNameIsMadeLong) {
    folder.MakeFolder("long folder name");
    folder.Write("long folder name\\memorandum.txt", "first\r\n");
    const std::string full = folder / "long folder name\\memorandum.txt";
    HANDLE writer = CreateFileA(full.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(qv::ReadPage(full.c_str(), qv::ViewStyle()), qv::PageRead::ok);
    CloseHandle(writer);
    char shortPath[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(full.c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(shortPath, full);
    qv::FindStartPath(shortPath);
    EXPECT_EQ(qv::process::startPath.view(), full);
}

}  // namespace
