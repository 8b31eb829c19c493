#include "settings/load_settings.h"

#include <gtest/gtest.h>

#include "common/program_paths.h"
#include "common/screen.h"
#include "common/state.h"
#include "fake_os.h"
#include "settings/split_line.h"

namespace qv {
namespace {

TEST(SplitLine, DropsCrAndTabAndReportsWhatItConsumed) {
    std::string line;
    std::string_view data = "a\tb\r\nnext";
    EXPECT_EQ(SplitLine(data, 0, false, &line), 5u);
    EXPECT_EQ(line, "ab");
    // At the end of the data the count is one more than what was left.
    EXPECT_EQ(SplitLine(data, 5, false, &line), 5u);
    EXPECT_EQ(line, "next");
    EXPECT_EQ(SplitLine("x\n", 2, false, &line), 1u);
    EXPECT_EQ(line, "");
}

TEST(SplitLine, CutsAtTheLimitAndConsumesTheRestOfTheLine) {
    std::string line;
    std::string data = std::string(600, 'a') + "\nb";
    EXPECT_EQ(SplitLine(data, 0, false, &line), 601u);
    EXPECT_EQ(line.size(), 517u);
    data = std::string(3000, 'b') + "\n";
    EXPECT_EQ(SplitLine(data, 0, true, &line), 3001u);
    EXPECT_EQ(line.size(), 2077u);
    // A double-byte character across the limit is left out whole.
    data = std::string(516, 'a') + "\x95\x5C" + "\n";
    SplitLine(data, 0, false, &line);
    EXPECT_EQ(line, std::string(516, 'a'));
}

class LoadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddFolder("C:\\app");
        InitProgramPaths("C:\\app\\Qivora.exe", "");
    }
    bool Load(const std::string& content, const std::string& name = "Qivora.ini") {
        fake::AddFile("C:\\app\\" + name, content);
        return LoadSettings(nullptr);
    }
};

TEST_F(LoadSettingsTest, CandidatesInOrder) {
    // "/#s=" names a file that exists: it is read.
    fake::AddFile("C:\\app\\other.ini", "[system]\n@sub\n");
    programPaths.settingsPath = "C:\\app\\other.ini";
    ASSERT_TRUE(LoadSettings(nullptr));
    EXPECT_EQ(programPaths.settingsPath.view(), "C:\\app\\other.ini");

    // memo.exe prefers memo.ini over Qivora.ini.
    fake::Reset();
    InitProgramPaths("C:\\app\\memo.exe", "");
    fake::AddFile("C:\\app\\memo.ini", "");
    fake::AddFile("C:\\app\\Qivora.ini", "");
    ASSERT_TRUE(LoadSettings(nullptr));
    EXPECT_EQ(programPaths.settingsPath.view(), "C:\\app\\memo.ini");

    fake::RemovePath("C:\\app\\memo.ini");
    ASSERT_TRUE(LoadSettings(nullptr));
    EXPECT_EQ(programPaths.settingsPath.view(), "C:\\app\\Qivora.ini");
    EXPECT_TRUE(fake::createdFiles.empty());
}

TEST_F(LoadSettingsTest, NoFileCreatesAnEmptyOneWithAllDefaults) {
    ASSERT_TRUE(LoadSettings(nullptr));
    EXPECT_EQ(fake::createdFiles, std::vector<std::string>{"C:\\app\\Qivora.ini"});
    EXPECT_EQ(fake::FileContent("C:\\app\\Qivora.ini"), "");
    EXPECT_EQ(settings.positionMode, positionCenter);
    EXPECT_EQ(settings.extensionFilterCount, 1);
    EXPECT_EQ(settings.extensionFilters[0].view(), ".txt");
    EXPECT_EQ(settings.rootStyle.pageSize, 30);
    EXPECT_EQ(settings.submenuStyle.pageSize, 20);
    EXPECT_EQ(settings.rootStyle.fontFace.view(), "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(launcherCount, 1);
    EXPECT_EQ(launchers[0].target.view(), "@system");
    EXPECT_TRUE(fake::errorBoxes.empty());
}

TEST_F(LoadSettingsTest, UnopenableOrUnreadableFileShowsTheMessage) {
    fake::AddFolder("C:\\app\\Qivora.ini");  // a folder of that name
    EXPECT_FALSE(LoadSettings(nullptr));
    ASSERT_EQ(fake::errorBoxes.size(), 1u);
    EXPECT_EQ(fake::errorBoxes[0].text, "\x90\xdd\x92\xe8\x83\x74\x83\x40\x83\x43\x83\x8b\x88\xd9\x8f\xed");
    EXPECT_EQ(fake::errorBoxes[0].title, "Qivora");
    EXPECT_EQ(fake::foregroundCalls, 1);

    fake::Reset();
    InitProgramPaths("C:\\app\\Qivora.exe", "");
    fake::AddFile("C:\\app\\Qivora.ini", "[system]\n@sub\n");
    fake::MakeUnreadable("C:\\app\\Qivora.ini");
    EXPECT_FALSE(LoadSettings(nullptr));
    EXPECT_EQ(fake::errorBoxes.size(), 1u);
    EXPECT_EQ(settings.includeSubfolders, 0);

    fake::Reset();
    InitProgramPaths("C:\\app\\Qivora.exe", "");
    fake::AddFile("C:\\app\\Qivora.ini", "");
    fake::LockPath("C:\\app\\Qivora.ini");
    EXPECT_FALSE(LoadSettings(nullptr));
    EXPECT_EQ(fake::errorBoxes.size(), 1u);
}

TEST_F(LoadSettingsTest, SystemSectionLines) {
    struct Case {
        const char* content;
        int includeSubfolders;
    } cases[] = {
        {"[system]\r\n@sub\r\n", 1},
        {"[SYSTEM]\n@SUBfolders\n", 1},           // any case, any line starting with @sub
        {"[system]\n   \t@sub\n", 1},             // leading blanks and tabs
        {"[system]\n;@sub\n", 0},                 // comment
        {"[system]\n%END\n@sub\n", 0},            // %end in any case ends the section
        {"[system]\n[exec]\n@sub\n", 1},          // only %end ends it
        {"@sub\n[system]\n", 0},                  // before the header
        {"x [system] rest\n@sub\n", 1},           // the header anywhere on its line
        {"[system]\n@sub", 1},                    // a last line without a line end is read
        {"[system]\n@s\tub\n", 1},                // tabs are removed first
        {"", 0},
    };
    for (auto& c : cases) {
        SetUp();
        ASSERT_TRUE(Load(c.content));
        EXPECT_EQ(settings.includeSubfolders, c.includeSubfolders) << c.content;
    }
}

TEST_F(LoadSettingsTest, SwitchSetFieldsSurviveDefaults) {
    settings.positionMode = positionMouse;
    settings.includeSubfolders = 1;
    settings.extensionFilters[0] = ".log";
    settings.extensionFilterCount = 1;
    ASSERT_TRUE(Load("[system]\n@filter=.md\n"));
    EXPECT_EQ(settings.positionMode, positionMouse);
    EXPECT_EQ(settings.includeSubfolders, 1);
    EXPECT_EQ(settings.extensionFilterCount, 1);
    EXPECT_EQ(settings.extensionFilters[0].view(), ".log");
}

TEST_F(LoadSettingsTest, HugeAndBinaryContentIsReadWithoutTrouble) {
    std::string content = "[system]\n" + std::string(600, 'x') + "\n";
    for (int i = 0; i < 256; ++i) content.push_back(char(i));
    content += "\n@sub\n";
    ASSERT_TRUE(Load(content));
    EXPECT_EQ(settings.includeSubfolders, 1);
}

TEST(ScreenMetrics, ItemsPerPage) {
    EXPECT_EQ(ComputeItemsPerPage(1050, -12), 63);
    EXPECT_EQ(ComputeItemsPerPage(1050, 12), 63);
    EXPECT_EQ(ComputeItemsPerPage(400, 0), 100);
    EXPECT_EQ(ComputeItemsPerPage(740, -13), 40);
}

TEST(ProgramPaths, DerivedFromTheExecutable) {
    fake::Reset();
    InitProgramPaths("\"C:\\My Tools\\memo.exe\"", "a b");
    EXPECT_EQ(programPaths.exePath.view(), "C:\\My Tools\\memo.exe");
    EXPECT_EQ(programPaths.exeFolder.view(), "C:\\My Tools\\");
    EXPECT_EQ(programPaths.baseName.view(), "memo");
    EXPECT_EQ(programPaths.settingsPath.view(), "C:\\My Tools\\memo.ini");
    EXPECT_EQ(programPaths.manualPath.view(), "C:\\My Tools\\Qivora.txt");
    EXPECT_EQ(programPaths.commandLine, "a b");
}

}  // namespace
}  // namespace qv
