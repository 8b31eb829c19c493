#include "common/text.h"

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "common/path_split.h"

namespace qv {
namespace {

TEST(Cp932Text, FindIgnoresCaseOfAsciiOnly) {
    EXPECT_EQ(FindI("Hello World", "WORLD"), 6u);
    EXPECT_EQ(FindI("abc", ""), 0u);
    EXPECT_EQ(FindI("ab", "abc"), std::string_view::npos);
    // 'ａ' (0x82 0x81) and 'Ａ' (0x82 0x60) are not letters to fold.
    EXPECT_EQ(FindI("\x82\x81", "\x82\x60"), std::string_view::npos);
}

TEST(Cp932Text, NeverMatchesInsideADoubleByteCharacter) {
    // 表 is 0x95 0x5C: its second byte is a backslash; ソ is 0x83 0x5C.
    EXPECT_EQ(FindI("\x95\x5C", "\\"), std::string_view::npos);
    EXPECT_EQ(FindI("\x95\x5C\\", "\\"), 2u);
    // "|" as a trail byte (0x7C) is not a separator either.
    EXPECT_EQ(FindI("\x83\x7C | x", " | "), 2u);
    EXPECT_TRUE(ContainsI("x\x95\x5Cy", "\x95\x5C"));
}

TEST(Cp932Text, SecondBytesThatLookLikeLettersAreNotFolded) {
    // ア is 0x83 0x41 ("A" as its second byte), ッ is 0x83 0x61 ("a").
    EXPECT_EQ(FindI("\x83\x61", "\x83\x41"), std::string_view::npos);
    EXPECT_FALSE(StartsWithI("\x83\x41x", "\x83\x61"));
    EXPECT_FALSE(EqualsI("\x83\x41", "\x83\x61"));
    EXPECT_EQ(FindI("x\x83\x41" "A", "\x83\x41" "a"), 1u);
}

TEST(Cp932Text, StartsWithAndEquals) {
    EXPECT_TRUE(StartsWithI("%END of it", "%end"));
    EXPECT_FALSE(StartsWithI("%en", "%end"));
    EXPECT_TRUE(EqualsI(".TXT", ".txt"));
    EXPECT_FALSE(EqualsI(".txt", ".txt "));
}

TEST(Cp932Text, StrToIntReadsSignAndLeadingDigits) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"12", 12}, {"-3x", -3}, {"+5", 5}, {"", 0}, {" 7", 0}, {"x1", 0}, {"MAX", 0}, {"-", 0}};
    for (auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(Cp932Text, BoundedCopyNeverKeepsHalfACharacter) {
    FixedText<4> three;
    three = "ab\x95\x5C";  // the double-byte character would need bytes 3 and 4
    EXPECT_EQ(three.view(), "ab");
    three = "abcdef";
    EXPECT_EQ(three.view(), "abc");
    FixedText<5> four("a\x95\x5C" "b");
    EXPECT_EQ(four.view(), "a\x95\x5C" "b");
    four.clear();
    four.append("\x82\xA0\x82");
    EXPECT_EQ(four.view(), "\x82\xA0\x82");  // a lone lead byte at the very end is kept as written
}

TEST(PathSplit, Parts) {
    struct Case {
        const char *path, *drive, *folder, *name, *extension;
    } cases[] = {
        {"C:\\work\\notes\\memo.txt", "C:", "\\work\\notes\\", "memo", ".txt"},
        {"C:\\\x95\x5C\\a.txt", "C:", "\\\x95\x5C\\", "a", ".txt"},
        {"C:\\x\\\x95\x5C.txt", "C:", "\\x\\", "\x95\x5C", ".txt"},
        {"memo.txt", "", "", "memo", ".txt"},
        {"C:\\", "C:", "\\", "", ""},
        {"C:\\a\\archive.tar.gz", "C:", "\\a\\", "archive.tar", ".gz"},
        {"C:\\data\\rel1.2\\README", "C:", "\\data\\rel1.2\\", "README", ""},
        {"dir/sub/x.log", "", "dir/sub/", "x", ".log"},
    };
    for (auto& c : cases) {
        PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
}

TEST(PathSplit, OnlyTheFirst260BytesCount) {
    std::string longPath = "C:\\" + std::string(300, 'a') + ".txt";
    PathParts parts = SplitPath(longPath);
    EXPECT_EQ(parts.extension, "");
    EXPECT_EQ(parts.name.size(), 257u);
}

}  // namespace
}  // namespace qv
