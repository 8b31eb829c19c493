#include "menu/launch.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetCurrentFile;
using testing_items::SetLauncher;
using testing_items::SetLines;

constexpr const char* kMemo = "C:\\notes\\memo.txt";
constexpr const char* kProgram = "C:\\tools\\p.exe";

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddFile(kProgram, "");
        fake::AddFile(kMemo, "first\nsecond\nthird\n");
        SetCurrentFile(kMemo);
        SetLines({"a", "b", "c", "d"});
        menuItems.items[3].lineNumber = 12;
        fake::clipboard = "old";
    }
    void Use(const char* target, const char* parameters) {
        SetLauncher(0, target, parameters);
        currentLauncher = 0;
    }
    std::string Clipboard() const { return fake::clipboard.value_or("<none>"); }
};

TEST_F(LaunchTest, ExamplesWithoutMarkedLines) {
    const struct {
        const char* target;
        const char* parameters;
        const char* file;        // what the shell was given; null: nothing run
        const char* arguments;
        const char* clipboard;
        int beeps;
    } cases[] = {
        {"@system", "\"%P\" -x", kMemo, nullptr, "old", 0},
        {"@SYSTEM", "", kMemo, nullptr, "old", 0},
        {kProgram, "\"%P\"", kProgram, "\"C:\\notes\\memo.txt\"", "old", 0},
        {kProgram, "%P %$J", kProgram, "C:\\notes\\memo.txt 12", "old", 0},
        {"@clip", "", nullptr, nullptr, "a\r\nb\r\nc\r\nd", 1},
        {"@Clip", "%P", nullptr, nullptr, "a\r\nb\r\nc\r\nd", 1},
        {kProgram, "%C%P", kProgram, "C:\\notes\\memo.txt", "a\r\nb\r\nc\r\nd", 0},
        {kProgram, "%X%P", kProgram, "C:\\notes\\memo.txt", "first\r\nsecond\r\nthird\r\n", 0},
        {"@clipX", "", nullptr, nullptr, "first\r\nsecond\r\nthird\r\n", 1},
        {kProgram, "%M", nullptr, nullptr, "old", 0},  // a list of marked lines, none marked
        {kProgram, "\"%T\"", nullptr, nullptr, "old", 0},
    };
    for (const auto& c : cases) {
        fake::clipboard = "old";
        fake::launches.clear();
        fake::beeps = 0;
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceItem, 3, false);
        if (c.file) {
            ASSERT_EQ(fake::launches.size(), 1u) << c.target << " " << c.parameters;
            EXPECT_EQ(fake::launches[0].file, c.file);
            EXPECT_EQ(fake::launches[0].hasParameters, c.arguments != nullptr);
            EXPECT_EQ(fake::launches[0].parameters, c.arguments ? c.arguments : "");
        } else {
            EXPECT_TRUE(fake::launches.empty()) << c.target << " " << c.parameters;
        }
        EXPECT_EQ(Clipboard(), c.clipboard) << c.target << " " << c.parameters;
        EXPECT_EQ(fake::beeps, c.beeps) << c.target << " " << c.parameters;
    }
}

TEST_F(LaunchTest, WithMarkedLines) {
    const struct {
        const char* target;
        const char* parameters;
        const char* arguments;  // null: nothing run
        const char* clipboard;
        int beeps;
    } cases[] = {
        {kProgram, "-n %$J", "-n 11", "old", 0},                       // first marked line
        {kProgram, "view %M", "view b d", "old", 0},
        {kProgram, "x\"%T\"y", "x\"bd\"y", "old", 0},
        {kProgram, "-x %C%M", "-x ", "b d", 0},                        // copy the lines, run the rest
        {kProgram, "%X\"%T\" -y", "-y", "\"bd\"", 0},
        {"@clip", "list %M", nullptr, "list b d", 1},
        {"@clip", "<%t>", nullptr, "<bd>", 1},
        {"@clip", "", nullptr, "b\r\nd", 1},
        {"@clipX", "", nullptr, "b\r\nd", 1},                          // marks win over the file
        {kProgram, "%C-q", "-q", "b\r\nd", 0},
        {kProgram, "%X-q", "-q", "b\r\nd", 0},
    };
    for (const auto& c : cases) {
        fake::clipboard = "old";
        fake::launches.clear();
        fake::beeps = 0;
        SetLines({"a", "b", "c", "d"});
        Mark({1, 3});
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
        if (c.arguments) {
            ASSERT_EQ(fake::launches.size(), 1u) << c.parameters;
            EXPECT_EQ(fake::launches[0].file, kProgram);
            EXPECT_EQ(fake::launches[0].parameters, c.arguments) << c.parameters;
        } else {
            EXPECT_TRUE(fake::launches.empty()) << c.parameters;
        }
        EXPECT_EQ(Clipboard(), c.clipboard) << c.target << " " << c.parameters;
        EXPECT_EQ(fake::beeps, c.beeps) << c.parameters;
    }
}

TEST_F(LaunchTest, LineNumberBySource) {
    Use(kProgram, "%$J");
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);  // none marked: line 1
    menuItems.items[0].lineNumber = 2;
    menuItems.items[1].lineNumber = 3;
    menuItems.items[2].lineNumber = 7;
    Mark({2, 1});
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
    ApplyCurrentLauncher(lineSourceItem, 3, false);
    ASSERT_EQ(fake::launches.size(), 3u);
    EXPECT_EQ(fake::launches[0].parameters, "1");
    EXPECT_EQ(fake::launches[1].parameters, "3");
    EXPECT_EQ(fake::launches[2].parameters, "12");
}

TEST_F(LaunchTest, SystemEntryIgnoresMarks) {
    Mark({0});
    Use("@system", "%M");
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
    ASSERT_EQ(fake::launches.size(), 1u);
    EXPECT_EQ(fake::launches[0].file, kMemo);
    EXPECT_EQ(Clipboard(), "old");
}

TEST_F(LaunchTest, ClipEntryOnAnEmptyPageDoesNothingFromTitleOrLauncherMenu) {
    const struct {
        int filterActive, itemCount, linesScanned;
        LineSource source;
        const char* clipboard;
    } cases[] = {
        {1, 0, 5, lineSourceFirstMarked, "old"},      // the filter left nothing
        {0, 0, 0, lineSourceFirstMarked, "old"},      // no line read
        {0, 0, 3, lineSourceFirstMarked, ""},         // lines read, none listed: an empty copy
        {1, 2, 5, lineSourceFirstMarked, "a\r\nb"},
        {1, 0, 5, lineSourceItem, "old"},             // no item to choose: nothing either
    };
    for (const auto& c : cases) {
        fake::clipboard = "old";
        SetLines({"a", "b"});
        menuItems.itemCount = c.itemCount;
        menuItems.linesScanned = c.linesScanned;
        settings.keywordSets.filterActive = c.filterActive;
        Use("@clip", "");
        ApplyCurrentLauncher(c.source, 0, false);
        EXPECT_EQ(Clipboard(), c.clipboard) << c.filterActive << c.itemCount << c.linesScanned;
    }
}

TEST_F(LaunchTest, RequestsNeedSomethingToCopy) {
    Use(kProgram, "%C%N");
    menuItems.itemCount = 0;
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
    Use(kProgram, "%X%N");
    menuItems.linesScanned = 0;
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
    EXPECT_EQ(Clipboard(), "old");
    ASSERT_EQ(fake::launches.size(), 2u);  // the program still runs
    EXPECT_EQ(fake::launches[1].parameters, "memo.txt");
}

TEST_F(LaunchTest, CtrlClearsThePrefixOnlyForClipboardActions) {
    const struct {
        const char* target;
        const char* parameters;
        bool ctrl;
        const char* clipboard;
        int prefixAfter;
    } cases[] = {
        {"@clip", "", false, "old\r\na\r\nb\r\nc\r\nd", 1},
        {"@clip", "", true, "a\r\nb\r\nc\r\nd", 0},
        {kProgram, "%C", true, "a\r\nb\r\nc\r\nd", 0},
        {kProgram, "%C", false, "old\r\na\r\nb\r\nc\r\nd", 1},
        {kProgram, "%P", true, "old", 1},  // nothing copied: the prefix stays
    };
    for (const auto& c : cases) {
        fake::clipboard = "old";
        clipboardPrefix = 1;
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceItem, 0, c.ctrl);
        EXPECT_EQ(Clipboard(), c.clipboard) << c.target << c.parameters << c.ctrl;
        EXPECT_EQ(clipboardPrefix, c.prefixAfter) << c.target << c.parameters << c.ctrl;
    }
}

TEST_F(LaunchTest, CtrlClearsThePrefixForMarkedCopies) {
    Mark({0, 2});
    clipboardPrefix = 1;
    Use("@clip", "%M");
    ApplyCurrentLauncher(lineSourceItem, 1, true);
    EXPECT_EQ(Clipboard(), "a c");
    clipboardPrefix = 1;
    Use(kProgram, "%C%M");
    ApplyCurrentLauncher(lineSourceItem, 1, true);
    EXPECT_EQ(Clipboard(), "a c");
    EXPECT_EQ(clipboardPrefix, 0);
    clipboardPrefix = 1;
    Use(kProgram, "%M");  // runs only: the prefix is not touched
    ApplyCurrentLauncher(lineSourceItem, 1, true);
    EXPECT_EQ(clipboardPrefix, 1);
}

TEST_F(LaunchTest, ExpansionBeyond520BytesIsHeldWhole) {
    const std::string path = "C:\\" + std::string(200, 'n') + "\\memo.txt";
    SetCurrentFile(path.c_str());
    Use(kProgram, "%P %P %P %P %$J");
    ApplyCurrentLauncher(lineSourceItem, 3, false);
    ASSERT_EQ(fake::launches.size(), 1u);
    EXPECT_EQ(fake::launches[0].parameters, path + " " + path + " " + path + " " + path + " 12");
}

TEST_F(LaunchTest, AnItemOutsideTheTableDoesNothing) {
    Use(kProgram, "%P");
    ApplyCurrentLauncher(lineSourceItem, 4, false);
    ApplyCurrentLauncher(lineSourceItem, -1, false);
    EXPECT_TRUE(fake::launches.empty());
}

}  // namespace
}  // namespace qv
