#include "output/macros.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "common/state.h"
#include "fake_os.h"

namespace qv {
namespace {

constexpr const char* kMemo = "C:\\work\\notes\\memo.txt";

class MacroTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
};

// Rows run in turn, so each also shows that the indicators of the row before are cleared.
TEST_F(MacroTest, MacrosAndIndicators) {
    const struct { const char *templateText, *path, *expected; int listMode, copyRequest; } cases[] = {
        {"\"%P\"", kMemo, "\"C:\\work\\notes\\memo.txt\"", 0, 0},
        {"%D|%-D|%F", kMemo, "C:\\work\\notes\\|C:\\work\\notes|notes", 0, 0},
        {"%N|%E|%A|%B", kMemo, "memo.txt|.txt|memo|C:\\work\\notes\\memo", 0, 0},
        {"%X %C%P", kMemo, " C:\\work\\notes\\memo.txt", 0, 2},  // both present: 2 remains
        {"%C%C", kMemo, "%C", 0, 1}, {"%P %$J -n%$j", kMemo, "C:\\work\\notes\\memo.txt 12 -n12", 0, 0},
        {"100% sure %Q", kMemo, "100% sure %Q", 0, 0}, {"%N;%n", kMemo, "memo.txt;memo.txt", 0, 0},
        {"x%dy", kMemo, "xC:\\work\\notes\\y", 0, 0},  // the folder macro, not a number format
        {"%%N", kMemo, "%memo.txt", 2, 0},             // the result is read for "%M" as it is
        {"dir\\%-D", "memo.txt", "dir", 0, 0},         // the backslash built so far goes
        {"\x95\x5C%-D", "memo.txt", "\x95\x5C", 0, 0},  // but not the trail byte of 表
        {"%D|%-D|%F", "memo.txt", "||", 0, 0}, {"%F", "C:\\a.txt", "", 0, 0}, {"%F", "C:\\d\\rel1.2\\a.txt", "rel1", 0, 0},
        {"\"%M\" %T", kMemo, "\"%M\" %T", 1, 0}, {"%m", kMemo, "%m", 2, 0},
        {"x\"%T\"y", kMemo, "x\"%T\"y", 3, 0},     {"%t", kMemo, "%t", 4, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpandMacros(c.templateText, c.path, 12), c.expected) << c.templateText << " on " << c.path;
        EXPECT_EQ(process::listMode, c.listMode) << c.templateText;
        EXPECT_EQ(process::copyRequest, c.copyRequest) << c.templateText;
    }
    EXPECT_EQ(ExpandMacros("%$J %$W", kMemo, -7), "-7 0");  // no window at start-up
    process::previousForeground = reinterpret_cast<os::Window>(static_cast<intptr_t>(0x20A4C));
    EXPECT_EQ(ExpandMacros("/h %$w", kMemo, 1), "/h 133708");
}

TEST_F(MacroTest, AValueHoldingItsOwnMacroIsInsertedOnce) {
    EXPECT_EQ(ExpandMacros("%P|%P", "C:\\100%Parts\\b.txt", 1), "C:\\100%Parts\\b.txt|C:\\100%Parts\\b.txt");
    // A later pass still sees what an earlier one inserted.
    EXPECT_EQ(ExpandMacros("%P", "C:\\x%E\\b.txt", 1), "C:\\x.txt\\b.txt");
    EXPECT_EQ(ExpandMacros("%P", "C:\\a%Cb\\m.txt", 1), "C:\\ab\\m.txt");
    EXPECT_EQ(process::copyRequest, 1);
}

TEST_F(MacroTest, LongExpansionsAreKeptWholeUpTo1039Bytes) {
    // Past the limit the text is cut at 1039 bytes, never inside a character.
    std::string wide = "C:\\qq";
    for (int i = 0; i < 100; ++i) wide += "\x95\x5C";
    wide += "\\a.txt";
    const std::string result = ExpandMacros("x%P%P%P%P%P", wide, 1);
    EXPECT_EQ(result.size(), 1038u);
    EXPECT_EQ(result.substr(0, 1 + wide.size()), "x" + wide);

    // A text that grows past the limit and shrinks again in a later pass keeps its tail.
    const std::string noExtension = "C:\\x\\" + std::string(55, 'b');
    std::string grow = "%P" + std::string(950, 'a');
    for (int i = 0; i < 20; ++i) grow += "%E";
    EXPECT_EQ(ExpandMacros(grow + "<tail>", noExtension, 1), noExtension + std::string(950, 'a') + "<tail>");
}

TEST_F(MacroTest, HostileTemplateAndPathStayBounded) {
    std::string path = "C:\\";
    for (int i = 0; i < 40; ++i) path += "%d%N";
    path += "\\%P%E.%N%B";
    std::string tpl;
    for (int i = 0; i < 300; ++i) tpl += "%P%D";
    const std::string result = ExpandMacros(tpl, path, 1);
    EXPECT_LE(result.size(), kExpandedLimit);
    EXPECT_GT(result.size(), 1000u);
}

}  // namespace
}  // namespace qv
