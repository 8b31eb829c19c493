// The portable text rules and the path split against shlwapi's own functions,
// on many random cp932 strings. Where the program's rule differs on purpose,
// the inputs are left out below with the reason.
#include <windows.h>
#include <shlwapi.h>
#undef StrToInt  // shlwapi's macro would rename the program's own function

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/path_split.h"
#include "common/text.h"

namespace {

// Characters whose bytes matter: second bytes 0x5C ("\") and 0x7C ("|"), second
// bytes that look like letters (0x41 "A", 0x61 "a"), lead-range second bytes,
// and ASCII letters in both cases. No full-width letters: see the differences.
const char* const kPieces[] = {
    "a", "A", "b", "B", "z", "Z", "1", "|", " ", ".", "\\", "/", "\xB1",  // ｱ
    "\x95\x5C",  // 表
    "\x83\x5C",  // ソ
    "\x83\x7C",  // ポ
    "\x81\x7C",  // －
    "\x83\x41",  // ア
    "\x83\x61",  // ッ
    "\x8A\x41",  // 琴
    "\x8A\x61",  // 患
    "\x88\x9F",  // 亜
    "\x82\xA0",  // あ
    "\xE0\x40",  // 漾
    "\x81\x40",  // full-width blank
};

// A string of whole characters; its character starts go to starts when asked.
std::string RandomText(std::mt19937& random, size_t most, std::vector<size_t>* starts = nullptr) {
    std::string text;
    const size_t count = random() % (most + 1);
    for (size_t i = 0; i < count; ++i) {
        if (starts) starts->push_back(text.size());
        text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
    }
    return text;
}

// A needle taken from the text (so that it is often found), with the case of
// its single-byte letters flipped at random, or a fresh one.
std::string RandomNeedle(std::mt19937& random, const std::string& text, const std::vector<size_t>& starts) {
    if (starts.empty() || random() % 3 == 0) return RandomText(random, 3);
    const size_t first = random() % starts.size();
    const size_t last = first + 1 + random() % std::min<size_t>(4, starts.size() - first);
    const size_t end = last < starts.size() ? starts[last] : text.size();
    std::string needle = text.substr(starts[first], end - starts[first]);
    for (size_t i = 0; i < needle.size(); i += qv::IsLeadByte(needle[i]) ? 2 : 1) {
        char& c = needle[i];
        if (random() % 2 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
    }
    return needle;
}

TEST(TextCrossCheck, FindIAsStrStrIA) {
    ASSERT_EQ(GetACP(), 932u) << "the cross-checks need the Japanese ANSI code page";
    std::mt19937 random(20240601);
    int found = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<size_t> starts;
        const std::string text = RandomText(random, 24, &starts);
        const std::string needle = RandomNeedle(random, text, starts);
        // Difference: StrStrIA finds nothing for an empty needle; the program finds it at 0.
        if (needle.empty()) continue;
        const char* hit = StrStrIA(text.c_str(), needle.c_str());
        const size_t expected = hit ? size_t(hit - text.c_str()) : std::string_view::npos;
        ASSERT_EQ(qv::FindI(text, needle), expected) << "text \"" << text << "\" needle \"" << needle << '"';
        found += hit != nullptr;
    }
    EXPECT_GT(found, 5000);  // the needles were found often enough to test the hits
}

TEST(TextCrossCheck, StartsWithIAsStrCmpNIA) {
    std::mt19937 random(7);
    int equal = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<size_t> starts;
        const std::string text = RandomText(random, 12, &starts);
        std::string prefix = RandomNeedle(random, text, starts);
        if (random() % 2 && !starts.empty()) prefix = RandomNeedle(random, text, {0});
        const bool expected = StrCmpNIA(text.c_str(), prefix.c_str(), int(prefix.size())) == 0;
        ASSERT_EQ(qv::StartsWithI(text, prefix), expected) << "text \"" << text << "\" prefix \"" << prefix << '"';
        equal += expected;
    }
    EXPECT_GT(equal, 2000);
}

TEST(TextCrossCheck, StrToIntAsStrToIntA) {
    const char* const pieces[] = {"0", "1", "7", "9", "-", "+", " ", "a", "x", "\x95\x5C", "12", "2147483647"};
    std::mt19937 random(11);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (size_t i = random() % 6; i > 0; --i) text += pieces[random() % (sizeof pieces / sizeof *pieces)];
        // Differences: the program reads a leading "+" as a sign (StrToIntA reads 0), and
        // numbers beyond 32 bits wrap around, where StrToIntA's result is not defined.
        if (!text.empty() && text[0] == '+') continue;
        size_t digits = 0;
        while (digits + (text[0] == '-') < text.size() && isdigit((unsigned char)text[digits + (text[0] == '-')])) ++digits;
        if (digits > 9) continue;
        ASSERT_EQ(qv::StrToInt(text), StrToIntA(text.c_str())) << '"' << text << '"';
    }
}

TEST(PathCrossCheck, SplitAsTheShellsPathFunctions) {
    std::mt19937 random(3);
    int compared = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string path = RandomText(random, 20);
        if (random() % 2) path = "C:" + path;
        // Differences where the shell reads paths its own way:
        //  - a path ending in a separator: PathFindFileNameA names the last folder;
        //  - a colon past the drive, or a drive alone: PathFindFileNameA takes it for a separator;
        //  - a blank or "/" after the last dot: PathFindExtensionA ends the extension there.
        if (path.empty() || path.back() == '\\' || path.back() == '/') continue;
        if (path.find(':', 2) != std::string::npos || path == "C:") continue;
        const qv::PathParts parts = qv::SplitPath(path);
        const std::string last = parts.name + parts.extension;
        const char* name = PathFindFileNameA(path.c_str());
        ASSERT_EQ(std::string(name), last) << '"' << path << '"';
        ASSERT_EQ(PathGetDriveNumberA(path.c_str()) >= 0, !parts.drive.empty()) << '"' << path << '"';
        const size_t dot = path.rfind('.');
        if (dot != std::string::npos && path.find_first_of(" /", dot) != std::string::npos) continue;
        ASSERT_EQ(std::string(PathFindExtensionA(path.c_str())), parts.extension) << '"' << path << '"';
        ++compared;
    }
    EXPECT_GT(compared, 5000);
}

}  // namespace
