#include "output/macros.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "common/state.h"
#include "fake_os.h"

namespace qv {
namespace {

constexpr const char* kMemo = "C:\\work\\notes\\memo.txt";

struct Case {
    const char* templateText;
    const char* path;
    const char* expected;
    int listMode;
    int copyRequest;
};

void Check(const Case& c) {
    EXPECT_EQ(ExpandMacros(c.templateText, c.path, 12), c.expected) << c.templateText << " on " << c.path;
    EXPECT_EQ(listMode, c.listMode) << c.templateText;
    EXPECT_EQ(copyRequest, c.copyRequest) << c.templateText;
}

class MacroTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

TEST_F(MacroTest, EveryMacroOnTheExamplePath) {
    const Case cases[] = {
        {"%P", kMemo, "C:\\work\\notes\\memo.txt", 0, 0},
        {"\"%P\"", kMemo, "\"C:\\work\\notes\\memo.txt\"", 0, 0},
        {"%D", kMemo, "C:\\work\\notes\\", 0, 0},
        {"%-D", kMemo, "C:\\work\\notes", 0, 0},
        {"%F", kMemo, "notes", 0, 0},
        {"%N", kMemo, "memo.txt", 0, 0},
        {"%E", kMemo, ".txt", 0, 0},
        {"%A", kMemo, "memo", 0, 0},
        {"%B", kMemo, "C:\\work\\notes\\memo", 0, 0},
        {"%C%P", kMemo, "C:\\work\\notes\\memo.txt", 0, 1},
        {"%X%P", kMemo, "C:\\work\\notes\\memo.txt", 0, 2},
        {"%P %$J", kMemo, "C:\\work\\notes\\memo.txt 12", 0, 0},
        {"-n%$j", kMemo, "-n12", 0, 0},
        {"no macro at all", kMemo, "no macro at all", 0, 0},
        {"100% sure %Q", kMemo, "100% sure %Q", 0, 0},
    };
    for (const Case& c : cases) Check(c);
}

TEST_F(MacroTest, EdgeCases) {
    const Case cases[] = {
        {"x%dy", kMemo, "xC:\\work\\notes\\y", 0, 0},         // the folder macro, not a number format
        {"%%N", kMemo, "%memo.txt", 2, 0},                  // the result is read for "%M" as it is
        {"dir\\%-D", "memo.txt", "dir", 0, 0},               // the backslash built so far goes
        {"%D|%-D|%F", "memo.txt", "||", 0, 0},               // parts a bare name lacks are empty
        {"%F", "C:\\a.txt", "", 0, 0},                       // a drive's root has no folder name
        {"%F", "C:\\data\\rel1.2\\a.txt", "rel1", 0, 0},
        {"%E %A", "C:\\x\\archive.tar.gz", ".gz archive.tar", 0, 0},
        {"%C%C", kMemo, "%C", 0, 1},
        {"%C %X", kMemo, " ", 0, 2},
        {"%X %C", kMemo, " ", 0, 2},                          // both present: 2 remains
        {"\"%M\" %T", kMemo, "\"%M\" %T", 1, 0},
        {"%m", kMemo, "%m", 2, 0},
        {"x\"%T\"y", kMemo, "x\"%T\"y", 3, 0},
        {"%t", kMemo, "%t", 4, 0},
        {"%N;%N", kMemo, "memo.txt;memo.txt", 0, 0},
        {"%n;%N;%n", kMemo, "memo.txt;memo.txt;memo.txt", 0, 0},
        // "%-D" checks the backslash as a character: the trail byte of 表 stays.
        {"\x95\x5C%-D", "memo.txt", "\x95\x5C", 0, 0},
    };
    for (const Case& c : cases) Check(c);
}

TEST_F(MacroTest, LineNumberAndWindowAreSignedDecimals) {
    EXPECT_EQ(ExpandMacros("%$J", kMemo, -7), "-7");
    EXPECT_EQ(ExpandMacros("%$W", kMemo, 1), "0");  // no window at start-up
    previousForeground = reinterpret_cast<os::Window>(static_cast<intptr_t>(0x20A4C));
    EXPECT_EQ(ExpandMacros("/h %$w", kMemo, 1), "/h 133708");
}

TEST_F(MacroTest, AValueHoldingItsOwnMacroIsInsertedOnce) {
    // The %E pass still sees what %P inserted: a later pass expands earlier values.
    EXPECT_EQ(ExpandMacros("%P", "C:\\100%Parts\\memo.txt", 1), "C:\\100%Parts\\memo.txt");
    EXPECT_EQ(ExpandMacros("%P|%P", "C:\\a%P\\b.txt", 1), "C:\\a%P\\b.txt|C:\\a%P\\b.txt");
    EXPECT_EQ(ExpandMacros("%P", "C:\\x%E\\b.txt", 1), "C:\\x.txt\\b.txt");
    EXPECT_EQ(ExpandMacros("%N", "C:\\x\\a%N.txt", 1), "a%N.txt");
}

TEST_F(MacroTest, LongExpansionsAreKeptWholeUpTo1039Bytes) {
    const std::string path = "C:\\" + std::string(241, 'p') + "\\memo.txt";  // 253 bytes
    std::string tpl;
    for (int i = 0; i < 4; ++i) tpl += "%P;";
    std::string expected;
    for (int i = 0; i < 4; ++i) expected += path + ";";
    ASSERT_EQ(expected.size(), 1016u);
    EXPECT_EQ(ExpandMacros(tpl, path, 1), expected);

    // Past the limit the text is cut at 1039 bytes, never inside a character.
    std::string wide = "C:\\" + std::string(2, 'q');
    for (int i = 0; i < 100; ++i) wide += "\x95\x5C";  // 表
    wide += "\\a.txt";
    const std::string result = ExpandMacros("x%P%P%P%P%P", wide, 1);
    EXPECT_EQ(result.size(), 1038u);
    EXPECT_EQ(result.substr(0, 1 + wide.size()), "x" + wide);

    // A text that grows past the limit and shrinks again in a later pass keeps its tail.
    const std::string noExtension = "C:\\x\\" + std::string(55, 'b');
    std::string grow = "%P" + std::string(950, 'a');
    for (int i = 0; i < 20; ++i) grow += "%E";
    grow += "<tail>";
    EXPECT_EQ(ExpandMacros(grow, noExtension, 1), noExtension + std::string(950, 'a') + "<tail>");
}

TEST_F(MacroTest, HostileTemplateAndPathStayBounded) {
    // Every inserted value holds further macros; the passes must neither loop nor blow up.
    std::string path = "C:\\";
    for (int i = 0; i < 40; ++i) path += "%d%N";
    path += "\\%P%E.%N%B";
    std::string tpl;
    for (int i = 0; i < 300; ++i) tpl += "%P%D";
    const std::string result = ExpandMacros(tpl, path, 1);
    EXPECT_LE(result.size(), kExpandedLimit);
    EXPECT_GT(result.size(), 1000u);
}

TEST_F(MacroTest, IndicatorsAreClearedByEveryExpansion) {
    ExpandMacros("%X %M", kMemo, 1);
    ASSERT_EQ(copyRequest, 2);
    ASSERT_EQ(listMode, 2);
    ExpandMacros("%P", kMemo, 1);
    EXPECT_EQ(copyRequest, 0);
    EXPECT_EQ(listMode, 0);
}

TEST_F(MacroTest, RequestMacrosInsertedByThePathAreSeen) {
    // %C and %X are looked for after the path passes, so a path holding them counts.
    EXPECT_EQ(ExpandMacros("%P", "C:\\a%Cb\\m.txt", 1), "C:\\ab\\m.txt");
    EXPECT_EQ(copyRequest, 1);
}

}  // namespace
}  // namespace qv
