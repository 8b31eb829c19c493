// Where in a text a line may pass the keyword filter, looked for sixteen bytes
// at a time, so that the lines that cannot pass are never cut and tried.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/state.h"

namespace qv {

class FilterScan {
public:
    // As the sets are selected now; sets must outlive the scan. With utf8 the
    // words are looked for in their UTF-8 form, in text not yet converted;
    // where a word has none, every line is tried.
    explicit FilterScan(const KeywordSets& sets, bool utf8 = false);
    FilterScan(const FilterScan&) = delete;  // words_ may point into utf8Words_

    // False when a line may pass without holding any word: every line is tried then.
    bool skips() const { return skips_; }

    // The first place at or after from, in text that ends with a line feed,
    // where a line may pass: where one of the words stands (letters in either
    // case, at any byte: more than the filter takes, never less), or a TAB or
    // a CR not before a line feed, whose dropping may join the parts of a
    // word. npos when none.
    size_t Next(std::string_view text, size_t from) const;

private:
    struct Start {
        unsigned char first, second;
        bool two;
    };
    bool IsCandidate(std::string_view text, size_t at) const;

    std::vector<std::string_view> words_;  // one of them in every line that passes
    std::vector<std::string> utf8Words_;
    std::vector<Start> starts_;            // their first two bytes, lower case
    bool skips_ = false;
};

}  // namespace qv
