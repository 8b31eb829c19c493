// The launch step, and the commands built from marked lines.
#include "menu/launch.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"
#include "output/marked.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetLines;

constexpr const char* kMemo = "C:\\notes\\memo.txt";
constexpr const char* kProgram = "C:\\tools\\p.exe";

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddFile(kProgram, "");
        fake::AddFile(kMemo, "first\nsecond\nthird\n");
        testing_items::SetCurrentFile(kMemo);
        Lines();
        fake::clipboard = "old";
    }
    void Lines() {
        SetLines({"a", "b", "c", "d"});
        menuItems.items[3].lineNumber = 12;
    }
    void Use(const char* target, const char* parameters) {
        testing_items::SetLauncher(0, target, parameters);
        currentLauncher = 0;
    }
    std::string Clipboard() const { return fake::clipboard.value_or("<none>"); }
};

struct Row {
    const char *target, *parameters;
    const char* file;  // what the shell was given; null: nothing run
    const char* arguments;
    const char* clipboard;
    int beeps;
};

void Expect(const Row& c, const std::string& clipboard) {
    if (c.file) {
        ASSERT_EQ(fake::launches.size(), 1u) << c.target << " " << c.parameters;
        EXPECT_EQ(fake::launches[0].file, c.file);
        EXPECT_EQ(fake::launches[0].parameters, c.arguments) << c.parameters;
    } else {
        EXPECT_TRUE(fake::launches.empty()) << c.target << " " << c.parameters;
    }
    EXPECT_EQ(clipboard, c.clipboard) << c.target << " " << c.parameters;
    EXPECT_EQ(fake::beeps, c.beeps) << c.target << " " << c.parameters;
}

TEST_F(LaunchTest, WithoutMarkedLines) {
    const Row cases[] = {
        {"@SYSTEM", "\"%P\" -x", kMemo, "", "old", 0},
        {kProgram, "%P %$J", kProgram, "C:\\notes\\memo.txt 12", "old", 0},
        {"@Clip", "%P", nullptr, nullptr, "a\r\nb\r\nc\r\nd", 1},
        {kProgram, "%C%P", kProgram, "C:\\notes\\memo.txt", "a\r\nb\r\nc\r\nd", 0},
        {kProgram, "%X%P", kProgram, "C:\\notes\\memo.txt", "first\r\nsecond\r\nthird\r\n", 0},
        {"@clipX", "", nullptr, nullptr, "first\r\nsecond\r\nthird\r\n", 1},
        {kProgram, "%M", nullptr, nullptr, "old", 0},  // a list of marked lines, none marked
    };
    for (const Row& c : cases) {
        SetUp();
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceItem, 3, false);
        Expect(c, Clipboard());
    }
}

TEST_F(LaunchTest, WithMarkedLines) {
    const Row cases[] = {
        {"@system", "%M", kMemo, "", "old", 0},
        {kProgram, "view %M", kProgram, "view b d", "old", 0},
        {kProgram, "x\"%T\"y", kProgram, "x\"bd\"y", "old", 0},
        {kProgram, "-x %C%M", kProgram, "-x ", "b d", 0},  // copy the lines, run the rest
        {kProgram, "%X\"%T\" -y", kProgram, "-y", "\"bd\"", 0},
        {kProgram, "%C-q", kProgram, "-q", "b\r\nd", 0},
        {"@clip", "list %M", nullptr, nullptr, "list b d", 1},
        {"@clip", "<%t>", nullptr, nullptr, "<bd>", 1},
        {"@clipX", "", nullptr, nullptr, "b\r\nd", 1},  // marks win over the file
    };
    for (const Row& c : cases) {
        SetUp();
        Mark({1, 3});
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
        Expect(c, Clipboard());
    }
}

TEST_F(LaunchTest, LineNumberBySource) {
    Use(kProgram, "%$J");
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);  // none marked: line 1
    menuItems.items[1].lineNumber = 3;
    menuItems.items[2].lineNumber = 7;
    Mark({2, 1});
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);  // the lowest marked item
    ApplyCurrentLauncher(lineSourceItem, 3, false);
    ApplyCurrentLauncher(lineSourceItem, 4, false);  // outside the table: nothing
    ApplyCurrentLauncher(lineSourceItem, -1, false);
    ASSERT_EQ(fake::launches.size(), 3u);
    EXPECT_EQ(fake::launches[0].parameters, "1");
    EXPECT_EQ(fake::launches[1].parameters, "3");
    EXPECT_EQ(fake::launches[2].parameters, "12");
}

TEST_F(LaunchTest, ClipEntryFromTitleOrLauncherMenuNeedsAPage) {
    const struct {
        int filterActive, itemCount, linesScanned;
        const char* clipboard;
    } cases[] = {
        {1, 0, 5, "old"},  // the filter left nothing
        {0, 0, 0, "old"},  // no line read
        {0, 0, 3, ""},     // lines read, none listed: an empty copy
        {1, 2, 5, "a\r\nb"},
    };
    for (const auto& c : cases) {
        fake::clipboard = "old";
        SetLines({"a", "b"});
        menuItems.itemCount = c.itemCount;
        menuItems.linesScanned = c.linesScanned;
        settings.keywordSets.filterActive = c.filterActive;
        Use("@clip", "");
        ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
        EXPECT_EQ(Clipboard(), c.clipboard) << c.filterActive << c.itemCount << c.linesScanned;
    }
}

TEST_F(LaunchTest, RequestsNeedSomethingToCopyButTheProgramStillRuns) {
    Use(kProgram, "%C%N");
    menuItems.itemCount = 0;
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
    Use(kProgram, "%X%N");
    menuItems.linesScanned = 0;
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, false);
    EXPECT_EQ(Clipboard(), "old");
    ASSERT_EQ(fake::launches.size(), 2u);
    EXPECT_EQ(fake::launches[1].parameters, "memo.txt");
}

TEST_F(LaunchTest, CtrlClearsThePrefixOnlyForClipboardActions) {
    const struct {
        const char *target, *parameters;
        bool marks, ctrl;
        const char* clipboard;
        int prefixAfter;
    } cases[] = {
        {"@clip", "", false, false, "old\r\na\r\nb\r\nc\r\nd", 1},
        {"@clip", "", false, true, "a\r\nb\r\nc\r\nd", 0},
        {kProgram, "%C", false, true, "a\r\nb\r\nc\r\nd", 0},
        {kProgram, "%P", false, true, "old", 1},  // nothing copied: the prefix stays
        {"@clip", "%M", true, false, "old\r\na c", 1},
        {"@clip", "%M", true, true, "a c", 0},
        {kProgram, "%C%M", true, true, "a c", 0},
        {kProgram, "%M", true, true, "old", 1},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.marks) Mark({0, 2});
        clipboardPrefix = 1;
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceItem, 1, c.ctrl);
        EXPECT_EQ(Clipboard(), c.clipboard) << c.target << c.parameters << c.ctrl;
        EXPECT_EQ(clipboardPrefix, c.prefixAfter) << c.target << c.parameters << c.ctrl;
    }
}

TEST_F(LaunchTest, ExpansionBeyond520BytesIsHeldWhole) {
    const std::string path = "C:\\" + std::string(200, 'n') + "\\memo.txt";
    testing_items::SetCurrentFile(path.c_str());
    Use(kProgram, "%P %P %P %P %$J");
    ApplyCurrentLauncher(lineSourceItem, 3, false);
    ASSERT_EQ(fake::launches.size(), 1u);
    EXPECT_EQ(fake::launches[0].parameters, path + " " + path + " " + path + " " + path + " 12");
}

// Two marked lines, "a b" and "c", among unmarked ones; the launcher's program exists.
TEST_F(LaunchTest, MarkedLinesExamples) {
    const struct { const char* text; int listMode; MarkedAction action; const char *clipboard, *parameters; } cases[] = {
        {"view %M", 2, actionRun, "old", "view a b c"},
        {"view \"%M\" -r", 1, actionRun, "old", "view \"a b\" \"c\" -r"},
        {"x%Ty", 4, actionRun, "old", "xa bcy"},
        {"x\"%T\"y", 3, actionRun, "old", "x\"a bc\"y"},
        {"cmd %M -o out", 2, actionCopyAndRun, "a b c", "cmd -o out"},
        {"%M", 2, actionCopyAndRun, "a b c", ""},
        {"list %M", 2, actionCopy, "list a b c", nullptr},
        {"view %m %M", 2, actionRun, "old", "view a b c %M"},  // the first one only
        {"%T \"%t\"", 3, actionRun, "old", "%T \"a bc\""},    // the quoted form goes first
        {"a %M  b", 2, actionCopyAndRun, "a b c", "a  b"},     // one of the two blanks stays
        {"\"%M\"", 1, actionCopyAndRun, "\"a b\" \"c\"", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        SetLines({"skip", "a b", "no", "c"});
        Mark({1, 3});
        Use(kProgram, "");
        listMode = c.listMode;
        if (c.listMode <= 2) RunMarkedArguments(c.text, c.action);
        else RunMarkedText(c.text, c.action);
        EXPECT_EQ(Clipboard(), c.clipboard) << c.text;
        EXPECT_EQ(fake::beeps, c.parameters ? 0 : 1) << c.text;
        if (!c.parameters) {
            EXPECT_TRUE(fake::launches.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(fake::launches.size(), 1u) << c.text;
        EXPECT_EQ(fake::launches[0].parameters, c.parameters) << c.text;
        EXPECT_EQ(fake::launches[0].folder, "C:\\tools\\");
    }
}

TEST_F(LaunchTest, MarkedLinesCommandEdges) {
    Use(kProgram, "");
    listMode = 2;
    RunMarkedArguments("%M", actionCopyAndRun);  // nothing marked: nothing done
    SetLines({"", "x", ""});
    Mark({0, 1, 2});
    RunMarkedArguments("%M", actionRun);  // empty lines keep their separators
    listMode = 3;
    RunMarkedText("\"%T\"", actionRun);
    Use("C:\\nowhere\\q.exe", "");  // a missing program: the shell gets the whole command
    RunMarkedText("\"%T\"", actionRun);
    ASSERT_EQ(fake::launches.size(), 3u);
    EXPECT_EQ(fake::launches[0].parameters, " x ");
    EXPECT_EQ(fake::launches[1].parameters, "\"x\"");
    EXPECT_EQ(fake::launches[2].file, "\"x\"");
    EXPECT_EQ(Clipboard(), "old");

    // No length limit: a thousand marked lines of 1039 bytes.
    for (int k = 0; k < kMaxMenuItems; ++k) menuItems.items[k] = MenuItem{"", std::string(1039, 'w'), 1, k};
    menuItems.itemCount = menuItems.markedCount = kMaxMenuItems;
    Use(kProgram, "");
    listMode = 4;
    RunMarkedText("go %T!", actionRun);
    ASSERT_EQ(fake::launches.size(), 4u);
    EXPECT_TRUE(fake::launches[3].parameters == "go " + std::string(1039000, 'w') + "!");
}

}  // namespace
}  // namespace qv
