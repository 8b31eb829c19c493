#include "lines/menu_line.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

struct Line {
    std::string shown, full;
    size_t consumed;
};

Line Read(const std::string& data, size_t offset, int tabWidth) {
    LineText shown, full;
    size_t consumed = ReadMenuLine(data, offset, tabWidth, &shown, &full);
    return {std::string(shown.view()), std::string(full.view()), consumed};
}

std::string Xs(size_t n) { return std::string(n, 'x'); }

TEST(ReadMenuLine, ConsumesThroughTheLineFeedOrPastTheEnd) {
    std::string data = "ab\r\ncd";
    Line first = Read(data, 0, 4);
    EXPECT_EQ(first.shown, "ab");
    EXPECT_EQ(first.consumed, 4u);
    Line last = Read(data, 4, 4);
    EXPECT_EQ(last.shown, "cd");
    EXPECT_EQ(last.consumed, 3u);  // 4 + 3 passes the 6 bytes: the page ends
    EXPECT_EQ(Read("a\n", 2, 4).consumed, 1u);  // the empty line after a final line feed
}

TEST(ReadMenuLine, LongLinesAreCutWholeCharactersFirst) {
    struct Case {
        std::string line;
        int tabWidth;
        std::string shown, full;
    } cases[] = {
        {Xs(1100), 4, Xs(1039), Xs(1039)},
        {Xs(1038) + "\x95\x5C" + "y", 4, Xs(1038), Xs(1038)},  // 表 does not fit, nor does y after it
        {Xs(1037) + "\x95\x5C" + "y", 4, Xs(1037) + "\x95\x5C", Xs(1037) + "\x95\x5C"},
        {Xs(1037) + "\t" + "y", 4, Xs(1037) + "  ", Xs(1037) + "\t"},  // a tab fills what room is left
        {Xs(1039) + "\t" + "y", 4, Xs(1039), Xs(1039)},
        {std::string(1039, '\t') + "\tab", 0, "ab", std::string(1039, '\t')},
        {std::string(1038, '\t') + "\x95\x5C" + "a", 0, "\x95\x5C" "a", std::string(1038, '\t')},
        {std::string(300, '\t'), 4, std::string(1039, ' '), std::string(260, '\t')},
        {std::string(5000, '\r') + "ok", 4, "ok", "ok"},
    };
    for (auto& c : cases) {
        Line line = Read(c.line + "\nnext", 0, c.tabWidth);
        EXPECT_EQ(line.shown, c.shown) << c.line.size();
        EXPECT_EQ(line.full, c.full) << c.line.size();
        EXPECT_EQ(line.consumed, c.line.size() + 1);
    }
}

TEST(ReadMenuLine, CarriageReturnsVanishEvenInsideACharacter) {
    EXPECT_EQ(Read("\x95\r\x5C", 0, 4).shown, "\x95\x5C");
    EXPECT_EQ(Read("a\r\r\rb\r", 0, 4).full, "ab");
    // A lead byte before a tab or the line end is a byte of its own.
    EXPECT_EQ(Read("\x95\tz", 0, 1).shown, "\x95 z");
    EXPECT_EQ(Read("z\x95\nq", 0, 1).full, "z\x95");
}

TEST(ReadMenuLine, NegativeTabWidthShowsNoBlanks) {
    Line line = Read("a\tb", 0, -3);
    EXPECT_EQ(line.shown, "ab");
    EXPECT_EQ(line.full, "a\tb");
}

// The same line handed over in pieces of every size gives the same result.
TEST(LineScanner, PiecesMakeTheSameLineAsOneBlock) {
    std::string line = "a\x95\r\x5C\t&\r" + Xs(1029) + "\x81\x40\x81\x40\x95" + "bc\n";
    LineText wholeShown, wholeFull;
    ReadMenuLine(line, 0, 3, &wholeShown, &wholeFull);
    for (size_t piece = 1; piece <= 9; ++piece) {
        LineScanner scanner;
        StartLine(&scanner, 3);
        bool ended = false;
        size_t at = 0;
        while (!ended && at < line.size())
            at += ScanLine(&scanner, std::string_view(line).substr(at, piece), &ended);
        LineText shown, full;
        FinishLine(&scanner, &shown, &full);
        EXPECT_TRUE(ended);
        EXPECT_EQ(at, line.size());
        EXPECT_EQ(shown.view(), wholeShown.view()) << piece;
        EXPECT_EQ(full.view(), wholeFull.view()) << piece;
    }
}

}  // namespace
}  // namespace qv
