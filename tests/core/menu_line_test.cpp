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
    EXPECT_EQ(Read("ab\r\ncd", 0, 4).consumed, 4u);
    EXPECT_EQ(Read("ab\r\ncd", 4, 4).consumed, 3u);  // 4 + 3 passes the 6 bytes: the page ends
    EXPECT_EQ(Read("a\n", 2, 4).consumed, 1u);       // the empty line after a final line feed
}

TEST(ReadMenuLine, CarriageReturnsGoTabsExpandAndLongLinesAreCutWholeCharactersFirst) {
    const struct {
        std::string line;
        int tabWidth;
        std::string shown, full;
    } cases[] = {
        {"\x95\r\x5C", 4, "\x95\x5C", "\x95\x5C"},  // a CR vanishes even inside a character
        {"\x95\tz", 1, "\x95 z", "\x95\tz"},        // a lead byte before a tab is a byte of its own
        {"a\tb", -3, "ab", "a\tb"},
        {Xs(1100), 4, Xs(1039), Xs(1039)},
        {Xs(1038) + "\x95\x5C" + "y", 4, Xs(1038), Xs(1038)},  // 表 does not fit, nor does y after it
        {Xs(1037) + "\x95\x5C" + "y", 4, Xs(1037) + "\x95\x5C", Xs(1037) + "\x95\x5C"},
        {Xs(1037) + "\t" + "y", 4, Xs(1037) + "  ", Xs(1037) + "\t"},  // a tab fills what room is left
        {std::string(1039, '\t') + "\tab", 0, "ab", std::string(1039, '\t')},
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

}  // namespace
}  // namespace qv
