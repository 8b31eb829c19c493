// The settings file on a real file system.
#include <gtest/gtest.h>

#include "common/program_paths.h"
#include "common/state.h"
#include "settings/load_settings.h"
#include "temp_folder.h"

namespace {

void StartAs(const TempFolder& folder, const std::string& exeName) {
    qv::ResetProcessState();
    qv::InitProgramPaths(folder / exeName, "");
}

TEST(SettingsFiles, ACopyUnderAnotherNameReadsItsOwnSettingsButKeepsTheManual) {
    TempFolder folder;
    folder.Write("memo.ini", "[system]\r\n@sub\r\n");
    folder.Write("Qivora.ini", "[system]\r\n@menu=mouse\r\n");
    StartAs(folder, "memo.exe");
    EXPECT_EQ(qv::process::programPaths.baseName.view(), "memo");
    EXPECT_EQ(qv::process::programPaths.manualPath.view(), folder / "Qivora.txt");
    ASSERT_TRUE(qv::LoadSettings(nullptr));
    EXPECT_EQ(qv::process::programPaths.settingsPath.view(), folder / "memo.ini");
    EXPECT_EQ(qv::process::settings.includeSubfolders, 1);
}

TEST(SettingsFiles, WithoutAnyOneEmptyFileIsCreatedAndNothingElse) {
    TempFolder folder;
    StartAs(folder, "memo.exe");
    ASSERT_TRUE(qv::LoadSettings(nullptr));
    EXPECT_EQ(folder.List(), std::vector<std::string>{"memo.ini"});
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA((folder / "memo.ini").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 0u);
    EXPECT_EQ(qv::process::settings.positionMode, qv::positionCenter);
    EXPECT_EQ(qv::process::settings.extensionFilters[0].view(), ".txt");
}

}  // namespace
