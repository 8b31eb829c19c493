// Invariants of the fuzz targets: a broken one aborts, which libFuzzer reports
// with the input that did it.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

}  // namespace fuzz
