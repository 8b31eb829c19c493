// Invariants of the fuzz targets (a broken one aborts, which libFuzzer reports
// with the input that did it) and plain reference versions of the cp932 text
// rules, written character by character.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "common/fixed_text.h"
#include "common/state.h"

#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

namespace fuzz {

// Terminated inside its buffer and never ending in half a double-byte character.
template <size_t N>
void CheckText(const qv::FixedText<N>& text) {
    const void* end = std::memchr(text.data, '\0', N);
    FUZZ_CHECK(end != nullptr);
    const size_t length = static_cast<const char*>(end) - text.data;
    FUZZ_CHECK(length <= qv::FixedText<N>::kCapacity);
}

inline void CheckKeywordSets(const qv::KeywordSets& sets) {
    int selected = 0;
    for (int set = 0; set < qv::kKeywordSetCount; ++set) {
        FUZZ_CHECK(sets.wordCount[set] >= 0 && sets.wordCount[set] <= qv::kMaxWordsPerSet);
        FUZZ_CHECK(sets.selected[set] >= 0 && sets.selected[set] <= 2);
        for (int w = 0; w < qv::kMaxWordsPerSet; ++w) CheckText(sets.words[set][w]);
        selected += sets.selected[set] == 1;
    }
    FUZZ_CHECK(sets.selectedCount >= 0 && sets.selectedCount <= qv::kKeywordSetCount);
    FUZZ_CHECK(sets.filterActive == 0 || sets.filterActive == 1);
    FUZZ_CHECK(selected == sets.selectedCount);
    FUZZ_CHECK(sets.filterActive == (selected > 0 ? 1 : 0));
}

inline void CheckStyle(const qv::ViewStyle& style) { CheckText(style.fontFace); }

inline void CheckSettings() {
    const qv::Settings& s = qv::process::settings;
    FUZZ_CHECK(s.extensionFilterCount >= 0 && s.extensionFilterCount <= qv::kMaxExtensions);
    for (const auto& filter : s.extensionFilters) CheckText(filter);
    CheckText(s.editorPath);
    CheckText(s.searchPath);
    CheckStyle(s.submenuStyle);
    CheckStyle(s.rootStyle);
    CheckKeywordSets(s.keywordSets);
    FUZZ_CHECK(qv::process::launcherCount >= 0 && qv::process::launcherCount <= qv::kMaxLaunchers);
    FUZZ_CHECK(qv::process::currentLauncher >= 0 && qv::process::currentLauncher < qv::kMaxLaunchers);
    for (const auto& entry : qv::process::launchers) {
        CheckText(entry.target);
        CheckText(entry.label);
        CheckText(entry.parameters);
    }
    CheckText(qv::process::programPaths.settingsPath);
    CheckText(qv::process::startPath);
}

// Start offsets of the characters of text.
inline std::vector<size_t> CharStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); i += qv::IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1)
        starts.push_back(i);
    return starts;
}

inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

// Equal ignoring the case of ASCII letters that are characters of their own.
inline bool ReferenceSameI(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (qv::IsLeadByte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

inline size_t ReferenceFindI(std::string_view text, std::string_view needle) {
    for (size_t start : CharStarts(text))
        if (start + needle.size() <= text.size() && ReferenceSameI(text.substr(start, needle.size()), needle))
            return start;
    return needle.empty() ? 0 : std::string_view::npos;
}

// The longest prefix of at most limit bytes that ends where a character ends.
inline size_t ReferenceCut(std::string_view text, size_t limit) {
    if (limit >= text.size()) return text.size();
    size_t cut = 0;
    for (size_t start : CharStarts(text))
        if (start <= limit) cut = start;
    return cut;
}

}  // namespace fuzz
