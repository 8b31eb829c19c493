// The fast paths of the text search, the line splitter and the file order,
// checked against the plain algorithms they replace on random input.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "common/state.h"
#include "common/text.h"
#include "fake_os.h"
#include "lines/folders.h"
#include "common/split_line.h"

namespace qv {
namespace {

// Bytes that matter: letters of both cases, lead bytes, a trail byte that is a
// backslash, CR, TAB and LF.
std::string RandomText(std::mt19937* random, size_t most, const std::string& alphabet) {
    std::uniform_int_distribution<size_t> length(0, most), pick(0, alphabet.size() - 1);
    std::string text(length(*random), ' ');
    for (char& c : text) c = alphabet[pick(*random)];
    return text;
}

size_t PlainFindI(std::string_view text, std::string_view needle) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (needle.size() > text.size()) return std::string_view::npos;
    for (size_t i = 0; i <= text.size() - needle.size();) {
        size_t k = 0;
        for (bool second = false; k < needle.size(); ++k) {  // a second byte is matched exactly
            const unsigned char t = text[i + k], n = needle[k];
            if (second ? t != n : lower(t) != lower(n)) break;
            second = !second && IsLeadByte(t);
        }
        if (k == needle.size()) return i;
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    return std::string_view::npos;
}

TEST(FastPaths, FindIAgreesWithThePlainSearch) {
    std::mt19937 random(7);
    const std::string alphabet = std::string("aAbB\\ \x95\x5C\x82\x81\xE0", 11) + "abcdefgh";
    const std::string mostlyAscii = alphabet + "aAbBcC1.:-_ abcdefghABCDEFGH";  // runs long enough to skip
    for (int round = 0; round < 8000; ++round) {
        const std::string& letters = round % 2 ? alphabet : mostlyAscii;
        std::string text = RandomText(&random, round % 2 ? 40 : 120, letters);
        std::string needle = RandomText(&random, 5, letters);
        if (round % 4 == 0) text += needle.substr(0, 2);  // its first bytes where the last block ends
        // A block of exactly the text's size, so that ASan sees any read past its end.
        const std::unique_ptr<char[]> exact(new char[text.size()]);
        std::copy(text.begin(), text.end(), exact.get());
        ASSERT_EQ(FindI(std::string_view(exact.get(), text.size()), needle), PlainFindI(text, needle)) << round;
    }
}

size_t PlainSplitLine(std::string_view data, size_t start, bool longLines, std::string* line) {
    const size_t limit = longLines ? kLongLineLimit : kShortLineLimit;
    line->clear();
    size_t position = start;
    for (; position < data.size() && data[position] != '\n'; ++position)
        if (data[position] != '\r' && data[position] != '\t' && line->size() <= limit) line->push_back(data[position]);
    if (line->size() > limit) line->resize(CharBoundary(*line, limit));
    return position < data.size() ? position - start + 1 : data.size() - start + 1;
}

TEST(FastPaths, SplitLineAgreesWithThePlainSplitter) {
    std::mt19937 random(11);
    const std::string alphabet = std::string("ab\x95\x5C\r\t", 6) + std::string(6, 'x');
    for (int round = 0; round < 800; ++round) {
        // Lines around both limits, some with a line feed, some ending in CR LF.
        std::string data = RandomText(&random, 2200, alphabet);
        if (round % 3 == 0) data += "\r\n";
        if (round % 3 == 1) data.insert(random() % (data.size() + 1), "\n");
        for (bool longLines : {false, true}) {
            std::string fast, plain;
            for (size_t offset = 0; offset <= data.size();) {
                size_t consumed = SplitLine(data, offset, longLines, &fast);
                ASSERT_EQ(consumed, PlainSplitLine(data, offset, longLines, &plain)) << round;
                ASSERT_EQ(fast, plain) << round;
                offset += consumed;
            }
        }
    }
}

// The exchange sort the file order has always had: equal keys end where its
// swaps leave them.
void PlainSort(std::vector<std::pair<std::string, int>>* entries) {
    for (size_t i = 0; i + 1 < entries->size(); ++i)
        for (size_t j = i + 1; j < entries->size(); ++j)
            if (os::CompareText((*entries)[i].first.c_str(), (*entries)[j].first.c_str()) > 0)
                std::swap((*entries)[i], (*entries)[j]);
}

TEST(FastPaths, SortFileListKeepsTheOrderOfTheExchangeSort) {
    std::mt19937 random(3);
    const char* const names[] = {"a", "A", "b", "B", "ab", "aB", "c", "readme", "README", "Readme"};
    for (int round = 0; round < 80; ++round) {
        fake::Reset();
        std::vector<std::pair<std::string, int>> expected;
        process::fileCount = int(random() % (kMaxFiles + 1));
        for (int i = 0; i < process::fileCount; ++i) {
            // Many names equal but for case; the folder tells the entries apart.
            std::string name = names[random() % 10];
            process::fileList[i] = FileEntry{"C:\\f" + std::to_string(i) + "\\" + name + ".txt", i, 0};
            expected.push_back({name, i});
        }
        PlainSort(&expected);
        SortFileList();
        for (int i = 0; i < process::fileCount; ++i)
            ASSERT_EQ(process::fileList[i].folderNumber, expected[i].second) << round << " at " << i;
    }
}

}  // namespace
}  // namespace qv
