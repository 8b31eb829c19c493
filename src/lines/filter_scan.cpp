#include "lines/filter_scan.h"

#include "common/text.h"
#include "common/utf8_lines.h"

namespace qv {

namespace {

// The words one of which every line that passes the filter holds: every word
// of set 0, which takes any of them, and the first word of each other set
// selected. False when a line may pass without any of them.
bool RequiredWords(const KeywordSets& sets, std::vector<std::string_view>* words) {
    if (!sets.filterActive) return false;
    for (int set = 0; set < kKeywordSetCount; ++set) {
        if (sets.selected[set] != 1) continue;
        if (sets.wordCount[set] <= 0) return false;
        const int needed = set == 0 ? sets.wordCount[set] : 1;
        for (int w = 0; w < needed; ++w) {
            if (sets.words[set][w].empty()) return false;  // found in every line
            words->push_back(sets.words[set][w].view());
        }
    }
    return true;
}

// Byte by byte, letters in either case: what FindI matches at a character
// start, and more, which the filter then turns down.
bool SameBytesI(std::string_view a, std::string_view b) {
    for (size_t k = 0; k < a.size(); ++k)
        if (Lower(a[k]) != Lower(b[k])) return false;
    return true;
}

// The words in their UTF-8 forms, kept in forms; false when one has none.
bool InUtf8(std::vector<std::string_view>* words, std::vector<std::string>* forms) {
    forms->resize(words->size());
    for (size_t w = 0; w < words->size(); ++w)
        if (!Utf8FormOfWord((*words)[w], &(*forms)[w])) return false;
    words->assign(forms->begin(), forms->end());
    return true;
}

}  // namespace

FilterScan::FilterScan(const KeywordSets& sets, bool utf8) {
    skips_ = RequiredWords(sets, &words_) && (!utf8 || InUtf8(&words_, &utf8Words_));
    for (std::string_view word : words_)
        starts_.push_back({Lower(word[0]), word.size() > 1 ? Lower(word[1]) : (unsigned char)0, word.size() > 1});
}

bool FilterScan::IsCandidate(std::string_view text, size_t at) const {
    const char c = text[at];
    const bool lineEndNext = at + 1 < text.size() && text[at + 1] == '\n';
    if (c == '\t' || (c == '\r' && !lineEndNext)) return true;
    for (std::string_view word : words_)
        if (word.size() <= text.size() - at && SameBytesI(text.substr(at, word.size()), word)) return true;
    return false;
}

size_t FilterScan::Next(std::string_view text, size_t from) const {
    size_t i = from;
#ifdef QV_SIMD
    // The byte after the block is loaded too: it must lie in the text.
    for (; i + 17 <= text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i + 1));
        __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\t')),
                                    _mm_andnot_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8('\n')),
                                                     _mm_cmpeq_epi8(block, _mm_set1_epi8('\r'))));
        for (const Start& s : starts_) {
            __m128i at = EqualI(block, s.first);
            if (s.two) at = _mm_and_si128(at, EqualI(next, s.second));
            hits = _mm_or_si128(hits, at);
        }
        for (unsigned mask = unsigned(_mm_movemask_epi8(hits)); mask != 0; mask &= mask - 1)
            if (IsCandidate(text, i + size_t(LowestBit(mask)))) return i + size_t(LowestBit(mask));
    }
#endif
    for (; i < text.size(); ++i)
        if (IsCandidate(text, i)) return i;
    return std::string_view::npos;
}

}  // namespace qv
