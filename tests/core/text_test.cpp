#include "common/text.h"

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "common/path_split.h"
#include "common/text_block.h"

namespace qv {
namespace {

constexpr size_t npos = std::string_view::npos;

TEST(Cp932Text, SearchCompareNumbersAndBoundedCopy) {
    const struct { std::string text; const char* needle; size_t at; } finds[] = {
        {"Hello World", "WORLD", 6}, {"abc", "", 0}, {"ab", "abc", npos},
        {"\x82\x81", "\x82\x60", npos},  // ａ and Ａ are no letters to fold
        {"\x95\x5C\\", "\\", 2},          // 表: its second byte is a backslash
        {"aaaaab" + std::string(34, 'a'), "B", 5},  // one byte, inside a block of sixteen
    };
    for (auto& c : finds) EXPECT_EQ(FindI(c.text, c.needle), c.at) << c.text;
    EXPECT_TRUE(StartsWithI("%END of it", "%end") && !StartsWithI("%en", "%end") && !EqualsI(".txt", ".txt "));
    const std::pair<const char*, int> numbers[] = {{"12", 12}, {"-3x", -3}, {"+5", 5}, {" 7", 0}, {"MAX", 0}, {"-", 0}};
    for (auto& [text, value] : numbers) EXPECT_EQ(StrToInt(text), value) << text;
    FixedText<4> three;
    three = "ab\x95\x5C";
    EXPECT_EQ(three.view(), "ab");
    three = "abcdef";
    EXPECT_EQ(three.view(), "abc");
}

TEST(Cp932Text, SecondBytesThatLookLikeLettersAreNotFolded) {
    // ア is 0x83 0x41 ("A" as its second byte), ッ is 0x83 0x61 ("a").
    EXPECT_EQ(FindI("\x83\x61", "\x83\x41"), npos);
    EXPECT_FALSE(StartsWithI("\x83\x41x", "\x83\x61"));
    EXPECT_FALSE(EqualsI("\x83\x41", "\x83\x61"));
    EXPECT_EQ(FindI("x\x83\x41" "A", "\x83\x41" "a"), 1u);
}

TEST(PathSplit, Parts) {
    const std::string longPath = "C:\\" + std::string(300, 'a') + ".txt";  // only 260 bytes count
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\work\\notes\\memo.txt", "C:|\\work\\notes\\|memo|.txt"},
        {"C:\\\x95\x5C\\a.txt", "C:|\\\x95\x5C\\|a|.txt"},
        {"C:\\x\\\x95\x5C.txt", "C:|\\x\\|\x95\x5C|.txt"},
        {"C:\\\xE0\x5C\xFC\x5C.txt", "C:|\\|\xE0\x5C\xFC\x5C|.txt"},  // the lowest and highest upper lead bytes
        {"memo.txt", "||memo|.txt"}, {"\x95\x5C.txt", "||\x95\x5C|.txt"},
        {"c:\\w\\b.txt", "c:|\\w\\|b|.txt"},
        {"C:\\a\\archive.tar.gz", "C:|\\a\\|archive.tar|.gz"},
        {"C:\\data\\rel1.2\\README", "C:|\\data\\rel1.2\\|README|"},
        {"dir/sub/x.log", "|dir/sub/|x|.log"},
        {longPath, "C:|\\|" + longPath.substr(3, 257) + "|"},
    };
    for (auto& [path, parts] : cases) {
        PathParts p = SplitPath(path);
        EXPECT_EQ(p.drive + "|" + p.folder + "|" + p.name + "|" + p.extension, parts);
    }
}

// Memory that cannot be had fails the text, and it stays failed.
TEST(TextBlock, AnImpossibleSizeFailsTheText) {
    const char byte = 'a';
    TextBlock text;
    text.Append(std::string_view(&byte, SIZE_MAX / 2 + 1));  // never read: refused by its size
    text.Append("b");
    EXPECT_TRUE(text.failed() && text.size() == 0);
}

}  // namespace
}  // namespace qv
