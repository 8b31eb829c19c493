// The launch step, and the commands built from marked lines.
#include "menu/launch.h"

#include <gtest/gtest.h>

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
constexpr ClipboardStart kAfresh = ClipboardStart::afresh;

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        fake::AddFile(kProgram, "");
        fake::AddFile(kMemo, "first\nsecond\n");
        testing_items::SetCurrentFile(kMemo);
        SetLines({"a", "b", "c", "d"});
        process::menuItems.items[3].lineNumber = 12;
        fake::clipboard = "old";
    }
    void Use(const char* target, const char* parameters) {
        testing_items::SetLauncher(0, target, parameters);
        process::currentLauncher = 0;
    }
    std::string Clipboard() const { return fake::clipboard.value_or("<none>"); }
    // What the shell was given ("" for nothing), then the clipboard and the beeps.
    std::string Outcome() const {
        std::string run = fake::launches.empty() ? "" : fake::launches[0].file + " " + fake::launches[0].parameters;
        return run + " | " + Clipboard() + " | " + std::to_string(fake::beeps);
    }
};

// Item 3 (line 12) chosen; with marks, lines b and d are marked and the title was chosen.
TEST_F(LaunchTest, Branches) {
    const struct { bool marks; const char *target, *parameters, *outcome; } cases[] = {
        {false, "@SYSTEM", "\"%P\" -x", "C:\\notes\\memo.txt  | old | 0"},
        {false, kProgram, "%P %$J", "C:\\tools\\p.exe C:\\notes\\memo.txt 12 | old | 0"},
        {false, "@Clip", "%P", " | a\r\nb\r\nc\r\nd | 1"},
        {false, kProgram, "%C%N", "C:\\tools\\p.exe memo.txt | a\r\nb\r\nc\r\nd | 0"},
        {false, kProgram, "%X%N", "C:\\tools\\p.exe memo.txt | first\r\nsecond\r\n | 0"},
        {false, "@clipX", "", " | first\r\nsecond\r\n | 1"},
        {false, kProgram, "%M", " | old | 0"},  // a list of marked lines, none marked
        {true, "@system", "%M", "C:\\notes\\memo.txt  | old | 0"},
        {true, kProgram, "-n %$J %M", "C:\\tools\\p.exe -n 11 b d | old | 0"},  // the first marked line
        {true, kProgram, "x\"%T\"y", "C:\\tools\\p.exe x\"bd\"y | old | 0"},
        {true, kProgram, "-x %C%M", "C:\\tools\\p.exe -x  | b d | 0"},  // copy the lines, run the rest
        {true, kProgram, "%X\"%T\" -y", "C:\\tools\\p.exe -y | \"bd\" | 0"},
        {true, kProgram, "%C-q", "C:\\tools\\p.exe -q | b\r\nd | 0"}, {true, "@clip", "list %M", " | list b d | 1"},
        {true, "@clip", "<%t>", " | <bd> | 1"},
        {true, "@clipX", "", " | b\r\nd | 1"},  // marks win over the file
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.marks) Mark({1, 3});
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(c.marks ? lineSourceFirstMarked : lineSourceItem, 3, kAfresh);
        EXPECT_EQ(Outcome(), c.outcome) << c.target << " " << c.parameters;
    }
}

TEST_F(LaunchTest, LineNumberBySourceAndItemsOutsideTheTable) {
    Use(kProgram, "%$J");
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, kAfresh);  // none marked: line 1
    process::menuItems.items[1].lineNumber = 3;
    process::menuItems.items[2].lineNumber = 7;
    Mark({2, 1});
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, kAfresh);  // the lowest marked item
    ApplyCurrentLauncher(lineSourceItem, 4, kAfresh);
    ApplyCurrentLauncher(lineSourceItem, -1, kAfresh);
    ASSERT_EQ(fake::launches.size(), 2u);
    EXPECT_EQ(fake::launches[0].parameters + fake::launches[1].parameters, "13");
}

TEST_F(LaunchTest, CopiesNeedSomethingToCopy) {
    const struct { const char* parameters; int filterActive, itemCount, linesScanned; const char* outcome; } cases[] = {
        {"", 1, 0, 5, " | old | 0"},  // the filter left nothing
        {"", 0, 0, 0, " | old | 0"},  // no line read
        {"", 0, 0, 3, " |  | 1"},     // lines read, none listed: an empty copy
        {"", 1, 2, 5, " | a\r\nb | 1"},
        {"%C%N", 0, 0, 3, "C:\\tools\\p.exe memo.txt | old | 0"},  // the program still runs
        {"%X%N", 0, 0, 0, "C:\\tools\\p.exe memo.txt | old | 0"},
    };
    for (const auto& c : cases) {
        SetUp();
        process::menuItems.itemCount = c.itemCount;
        process::menuItems.linesScanned = c.linesScanned;
        process::settings.keywordSets.filterActive = c.filterActive;
        Use(*c.parameters ? kProgram : "@clip", c.parameters);
        ApplyCurrentLauncher(lineSourceFirstMarked, 0, kAfresh);
        EXPECT_EQ(Outcome(), c.outcome) << c.parameters << c.filterActive << c.itemCount << c.linesScanned;
    }
    fake::Reset();  // as the program starts: no page read yet
    testing_items::SetCurrentFile(kMemo);
    Use("@clip", "");
    ApplyCurrentLauncher(lineSourceFirstMarked, 0, kAfresh);
    EXPECT_FALSE(fake::clipboard.has_value());
}

TEST_F(LaunchTest, CtrlStartsEveryCopyOfTheStepAfresh) {
    const struct { const char *target, *parameters; bool marks, ctrl; const char* clipboard; } cases[] = {
        {"@clip", "", false, false, "old\r\na\r\nb\r\nc\r\nd"},
        {"@clip", "", false, true, "a\r\nb\r\nc\r\nd"},
        {kProgram, "%C", false, true, "a\r\nb\r\nc\r\nd"},
        {kProgram, "%P", false, true, "old"},  // nothing copied
        {"@clip", "%M", true, false, "old\r\na c"},
        {"@clip", "%M", true, true, "a c"},
        {kProgram, "%C%M", true, true, "a c"},
        {kProgram, "%M", true, true, "old"},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.marks) Mark({0, 2});
        process::clipboardPrefix = 1;
        Use(c.target, c.parameters);
        ApplyCurrentLauncher(lineSourceItem, 1, ClipboardStartFor(c.ctrl));
        EXPECT_EQ(Clipboard(), c.clipboard) << c.target << c.parameters << c.ctrl;
    }
}

TEST_F(LaunchTest, ExpansionBeyond520BytesIsHeldWhole) {
    const std::string path = "C:\\" + std::string(200, 'n') + "\\memo.txt";
    testing_items::SetCurrentFile(path.c_str());
    Use(kProgram, "%P %P %P %P %$J");
    ApplyCurrentLauncher(lineSourceItem, 3, kAfresh);
    ASSERT_EQ(fake::launches.size(), 1u);
    EXPECT_EQ(fake::launches[0].parameters, path + " " + path + " " + path + " " + path + " 12");
}

// Marked lines "a b" and "c" among unmarked ones, for the launcher's program.
TEST_F(LaunchTest, MarkedLinesExamples) {
    const struct { const char* text; MarkedAction action; const char* outcome; } cases[] = {
        {"view %M", actionRun, "C:\\tools\\p.exe view a b c | old | 0"},
        {"view \"%M\" -r", actionRun, "C:\\tools\\p.exe view \"a b\" \"c\" -r | old | 0"},
        {"x%Ty", actionRun, "C:\\tools\\p.exe xa bcy | old | 0"},
        {"x\"%T\"y", actionRun, "C:\\tools\\p.exe x\"a bc\"y | old | 0"},
        {"cmd %M -o out", actionCopyAndRun, "C:\\tools\\p.exe cmd -o out | a b c | 0"},
        {"list %M", actionCopy, " | list a b c | 1"},
        {"view %m %M", actionRun, "C:\\tools\\p.exe view a b c %M | old | 0"},  // the first one only
        {"%T \"%t\"", actionRun, "C:\\tools\\p.exe %T \"a bc\" | old | 0"},    // the quoted form goes first
        {"a %M  b", actionCopyAndRun, "C:\\tools\\p.exe a  b | a b c | 0"},     // one of the blanks stays
        {"\"%M\"", actionCopyAndRun, "C:\\tools\\p.exe  | \"a b\" \"c\" | 0"},
    };
    for (const auto& c : cases) {
        SetUp();
        SetLines({"skip", "a b", "no", "c"});
        Mark({1, 3});
        Use(kProgram, "");
        RunMarkedLines(ExpandMacros(c.text, kMemo, 1), c.action, kAfresh);
        EXPECT_EQ(Outcome(), c.outcome) << c.text;
    }
    EXPECT_EQ(fake::launches[0].folder, "C:\\tools\\");
}

TEST_F(LaunchTest, MarkedLinesCommandEdges) {
    Use(kProgram, "");
    RunMarkedLines({"%M", MarkedList::arguments}, actionCopyAndRun, kAfresh);  // nothing marked: nothing done
    SetLines({"", "x", ""});
    Mark({0, 1, 2});
    RunMarkedLines({"%M", MarkedList::arguments}, actionRun, kAfresh);  // empty lines keep their separators
    RunMarkedLines({"\"%T\"", MarkedList::text}, actionRun, kAfresh);
    Use("C:\\nowhere\\q.exe", "");  // a missing program: the shell gets the whole command
    RunMarkedLines({"\"%T\"", MarkedList::text}, actionRun, kAfresh);
    ASSERT_EQ(fake::launches.size(), 3u);
    EXPECT_EQ(fake::launches[0].parameters + "|" + fake::launches[1].parameters + "|" + fake::launches[2].file,
              " x |\"x\"|\"x\"");
    EXPECT_EQ(Clipboard(), "old");

    // No length limit: a thousand marked lines of 1039 bytes.
    for (int k = 0; k < kMaxMenuItems; ++k) process::menuItems.items[k] = MenuItem{"", std::string(1039, 'w'), 1, k};
    process::menuItems.itemCount = process::menuItems.markedCount = kMaxMenuItems;
    Use(kProgram, "");
    RunMarkedLines({"go %T!", MarkedList::text}, actionRun, kAfresh);
    ASSERT_EQ(fake::launches.size(), 4u);
    EXPECT_TRUE(fake::launches[3].parameters == "go " + std::string(1039000, 'w') + "!");
}

}  // namespace
}  // namespace qv
