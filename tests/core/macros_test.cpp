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

TEST_F(MacroTest, MacrosAndIndicators) {
    constexpr MarkedList no = MarkedList::none, args = MarkedList::arguments, text = MarkedList::text;
    constexpr CopyRequest none = CopyRequest::none, page = CopyRequest::pageLines, file = CopyRequest::wholeFile;
    const struct { const char *templateText, *path, *expected; MarkedList markedList; CopyRequest copyRequest; } cases[] = {
        {"\"%P\"", kMemo, "\"C:\\work\\notes\\memo.txt\"", no, none},
        {"%D|%-D|%F", kMemo, "C:\\work\\notes\\|C:\\work\\notes|notes", no, none},
        {"%N|%E|%A|%B", kMemo, "memo.txt|.txt|memo|C:\\work\\notes\\memo", no, none},
        {"%X %C%P", kMemo, " C:\\work\\notes\\memo.txt", no, file},  // both present: the last one wins
        {"%C%C", kMemo, "%C", no, page}, {"%P %$J -n%$j", kMemo, "C:\\work\\notes\\memo.txt 12 -n12", no, none},
        {"100% sure %Q", kMemo, "100% sure %Q", no, none}, {"%N;%n", kMemo, "memo.txt;memo.txt", no, none},
        {"x%dy", kMemo, "xC:\\work\\notes\\y", no, none},  // the folder macro, not a number format
        {"%%N", kMemo, "%memo.txt", args, none},             // the result is read for "%M" as it is
        {"dir\\%-D", "memo.txt", "dir", no, none},         // the backslash built so far goes
        {"\x95\x5C%-D", "memo.txt", "\x95\x5C", no, none},  // but not the trail byte of 表
        {"%D|%-D|%F", "memo.txt", "||", no, none}, {"%F", "C:\\a.txt", "", no, none}, {"%F", "C:\\d\\rel1.2\\a.txt", "rel1", no, none},
        {"\"%M\" %T", kMemo, "\"%M\" %T", args, none}, {"%m", kMemo, "%m", args, none},
        {"x\"%T\"y", kMemo, "x\"%T\"y", text, none},     {"%t", kMemo, "%t", text, none},
    };
    for (const auto& c : cases) {
        const Expansion expansion = ExpandMacros(c.templateText, c.path, 12);
        EXPECT_EQ(expansion.text, c.expected) << c.templateText << " on " << c.path;
        EXPECT_EQ(expansion.markedList, c.markedList) << c.templateText;
        EXPECT_EQ(expansion.copyRequest, c.copyRequest) << c.templateText;
    }
    EXPECT_EQ(ExpandMacros("%$J %$W", kMemo, -7).text, "-7 0");  // no window at start-up
    process::previousForeground = reinterpret_cast<os::Window>(static_cast<intptr_t>(0x20A4C));
    EXPECT_EQ(ExpandMacros("/h %$w", kMemo, 1).text, "/h 133708");
}

TEST_F(MacroTest, AValueHoldingItsOwnMacroIsInsertedOnce) {
    EXPECT_EQ(ExpandMacros("%P|%P", "C:\\100%Parts\\b.txt", 1).text, "C:\\100%Parts\\b.txt|C:\\100%Parts\\b.txt");
    // A later pass still sees what an earlier one inserted.
    EXPECT_EQ(ExpandMacros("%P", "C:\\x%E\\b.txt", 1).text, "C:\\x.txt\\b.txt");
    const Expansion request = ExpandMacros("%P", "C:\\a%Cb\\m.txt", 1);
    EXPECT_EQ(request.text, "C:\\ab\\m.txt");
    EXPECT_EQ(request.copyRequest, CopyRequest::pageLines);
}

TEST_F(MacroTest, LongExpansionsAreKeptWholeUpTo1039Bytes) {
    // Past the limit the text is cut at 1039 bytes, never inside a character.
    std::string wide = "C:\\qq";
    for (int i = 0; i < 100; ++i) wide += "\x95\x5C";
    wide += "\\a.txt";
    const std::string result = ExpandMacros("x%P%P%P%P%P", wide, 1).text;
    EXPECT_EQ(result.size(), 1038u);
    EXPECT_EQ(result.substr(0, 1 + wide.size()), "x" + wide);
    EXPECT_EQ(ExpandMacros(std::string(1040, 'a'), "", 1).text, std::string(1039, 'a'));

    // A text that grows past the limit and shrinks again in a later pass keeps its tail.
    const std::string noExtension = "C:\\x\\" + std::string(55, 'b');
    std::string grow = "%P" + std::string(950, 'a');
    for (int i = 0; i < 20; ++i) grow += "%E";
    EXPECT_EQ(ExpandMacros(grow + "<tail>", noExtension, 1).text, noExtension + std::string(950, 'a') + "<tail>");
}

TEST_F(MacroTest, HostileTemplateAndPathStayBounded) {
    std::string path = "C:\\";
    for (int i = 0; i < 40; ++i) path += "%d%N";
    path += "\\%P%E.%N%B";
    std::string tpl;
    for (int i = 0; i < 300; ++i) tpl += "%P%D";
    const std::string result = ExpandMacros(tpl, path, 1).text;
    EXPECT_LE(result.size(), kExpandedLimit);
    EXPECT_GT(result.size(), 1000u);
}

}  // namespace
}  // namespace qv
