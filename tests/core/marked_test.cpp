#include "output/marked.h"

#include <gtest/gtest.h>

#include "common/state.h"
#include "fake_os.h"
#include "line_items.h"

namespace qv {
namespace {

using testing_items::Mark;
using testing_items::SetLauncher;
using testing_items::SetLines;

constexpr const char* kProgram = "C:\\tools\\p.exe";

class MarkedTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddFile(kProgram, "");
        SetLauncher(0, "C:\\unused.exe", "");
        SetLauncher(1, kProgram, "");
        currentLauncher = 1;
        // Two marked lines, "a b" and "c", among unmarked ones.
        SetLines({"skip", "a b", "no", "c"});
        Mark({1, 3});
    }
    void Run(const char* text, int mode, MarkedAction action) {
        listMode = mode;
        if (mode <= 2) RunMarkedArguments(text, action);
        else RunMarkedText(text, action);
    }
};

TEST_F(MarkedTest, ExamplesTable) {
    const struct {
        const char* text;
        int listMode;
        MarkedAction action;
        const char* clipboard;  // null: untouched
        const char* parameters;  // null: nothing run
        int beeps;
    } cases[] = {
        {"view %M", 2, actionRun, nullptr, "view a b c", 0},
        {"view \"%M\" -r", 1, actionRun, nullptr, "view \"a b\" \"c\" -r", 0},
        {"%M end", 2, actionRun, nullptr, "a b c end", 0},
        {"x%Ty", 4, actionRun, nullptr, "xa bcy", 0},
        {"x\"%T\"y", 3, actionRun, nullptr, "x\"a bc\"y", 0},
        {"cmd %M -o out", 2, actionCopyAndRun, "a b c", "cmd -o out", 0},
        {"cmd %M", 2, actionCopyAndRun, "a b c", "cmd ", 0},
        {"%M", 2, actionCopyAndRun, "a b c", "", 0},
        {"list %M", 2, actionCopy, "list a b c", nullptr, 1},
    };
    for (const auto& c : cases) {
        fake::clipboard = "before";
        fake::launches.clear();
        fake::beeps = 0;
        Run(c.text, c.listMode, c.action);
        EXPECT_EQ(*fake::clipboard, c.clipboard ? c.clipboard : "before") << c.text;
        if (c.parameters) {
            ASSERT_EQ(fake::launches.size(), 1u) << c.text;
            EXPECT_EQ(fake::launches[0].file, kProgram);
            EXPECT_EQ(fake::launches[0].parameters, c.parameters) << c.text;
            EXPECT_EQ(fake::launches[0].folder, "C:\\tools\\");
        } else {
            EXPECT_TRUE(fake::launches.empty()) << c.text;
        }
        EXPECT_EQ(fake::beeps, c.beeps) << c.text;
    }
}

TEST_F(MarkedTest, EdgeCases) {
    const struct {
        const char* text;
        int listMode;
        MarkedAction action;
        const char* parameters;
    } cases[] = {
        {"view %m", 2, actionRun, "view a b c"},
        {"view %M %M", 2, actionRun, "view a b c %M"},
        {"\"%t\"", 3, actionRun, "\"a bc\""},
        {"%T \"%T\"", 3, actionRun, "%T \"a bc\""},         // the quoted form goes first
        {"a %M  b", 2, actionCopyAndRun, "a  b"},          // one of the two blanks stays
        {"\"%M\"", 1, actionCopyAndRun, ""},
    };
    for (const auto& c : cases) {
        fake::launches.clear();
        Run(c.text, c.listMode, c.action);
        ASSERT_EQ(fake::launches.size(), 1u) << c.text;
        EXPECT_EQ(fake::launches[0].parameters, c.parameters) << c.text;
    }
}

TEST_F(MarkedTest, EmptyMarkedLinesKeepTheirSeparators) {
    SetLines({"", "x", ""});
    Mark({0, 1, 2});
    Run("%M", 2, actionRun);
    Run("%M", 1, actionRun);
    Run("\"%T\"", 3, actionRun);
    ASSERT_EQ(fake::launches.size(), 3u);
    EXPECT_EQ(fake::launches[0].parameters, " x ");
    EXPECT_EQ(fake::launches[1].parameters, "\"\" \"x\" \"\"");
    EXPECT_EQ(fake::launches[2].parameters, "\"x\"");
}

TEST_F(MarkedTest, NoMarkedLineRunsAndCopiesNothing) {
    SetLines({"a", "b"});
    fake::clipboard = "before";
    for (MarkedAction action : {actionRun, actionCopy, actionCopyAndRun}) {
        Run("view %M", 2, action);
        Run("view %T", 4, action);
    }
    EXPECT_TRUE(fake::launches.empty());
    EXPECT_EQ(*fake::clipboard, "before");
    EXPECT_EQ(fake::beeps, 0);
}

TEST_F(MarkedTest, CopiesAppendBehindThePrefix) {
    fake::clipboard = "kept";
    clipboardPrefix = 1;
    Run("list %M", 2, actionCopy);
    EXPECT_EQ(*fake::clipboard, "kept\r\nlist a b c");
    Run("cmd %T", 4, actionCopyAndRun);
    EXPECT_EQ(*fake::clipboard, "kept\r\nlist a b c\r\na bc");
    EXPECT_EQ(fake::beeps, 1);
}

TEST_F(MarkedTest, AMissingProgramHandsTheCommandToTheShell) {
    SetLauncher(1, "C:\\nowhere\\q.exe", "");
    Run("view %M", 2, actionRun);
    ASSERT_EQ(fake::launches.size(), 1u);
    EXPECT_EQ(fake::launches[0].file, "view a b c");
    EXPECT_FALSE(fake::launches[0].hasParameters);
}

TEST_F(MarkedTest, CommandTextHasNoLengthLimit) {
    for (int k = 0; k < kMaxMenuItems; ++k) {
        menuItems.items[k].fullText = std::string(1039, 'w');
        menuItems.items[k].marked = 1;
    }
    menuItems.itemCount = menuItems.markedCount = kMaxMenuItems;
    Run("go %M!", 2, actionRun);
    ASSERT_EQ(fake::launches.size(), 1u);
    EXPECT_EQ(fake::launches[0].parameters.size(), 3u + 1000u * 1040u - 1u + 1u);
    EXPECT_EQ(fake::launches[0].parameters.substr(fake::launches[0].parameters.size() - 2), "w!");
}

}  // namespace
}  // namespace qv
