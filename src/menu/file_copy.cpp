#include "menu/file_copy.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "common/split_line.h"
#include "common/state.h"
#include "common/text_file.h"
#include "lines/filters.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define QV_COPY_SIMD 1
#include <emmintrin.h>
#endif

namespace qv {

namespace {

// The copied text in blocks that are filled up and never moved, so that it
// costs what it holds and is never copied while it grows.
class PieceText {
public:
    void Append(std::string_view text) {
        while (!text.empty() && !failed_) {
            if (pieces_.empty() || used_ == kPiece) {
                blocks_.emplace_back(new (std::nothrow) char[kPiece]);
                if (!blocks_.back()) {
                    failed_ = true;
                    return;
                }
                pieces_.emplace_back(blocks_.back().get(), 0);
                used_ = 0;
            }
            const size_t n = text.size() < kPiece - used_ ? text.size() : kPiece - used_;
            std::memcpy(blocks_.back().get() + used_, text.data(), n);
            used_ += n;
            pieces_.back() = std::string_view(blocks_.back().get(), used_);
            size_ += n;
            text.remove_prefix(n);
        }
    }
    void DropLast(size_t count) {
        while (count > 0 && !pieces_.empty()) {
            const size_t n = count < pieces_.back().size() ? count : pieces_.back().size();
            pieces_.back().remove_suffix(n);
            size_ -= n;
            count -= n;
            if (pieces_.back().empty()) {
                pieces_.pop_back();
                blocks_.pop_back();
            }
        }
        used_ = pieces_.empty() ? kPiece : pieces_.back().size();
    }
    size_t size() const { return size_; }
    bool failed() const { return failed_; }
    const std::vector<std::string_view>& pieces() const { return pieces_; }

private:
    static constexpr size_t kPiece = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::string_view> pieces_;
    size_t used_ = 0, size_ = 0;
    bool failed_ = false;
};

// One line cut as SplitLine cuts long lines, fed in pieces: CR and TAB are
// dropped, a NUL ends its text, at most 2077 bytes are kept, never half a character.
class LineCut {
public:
    void Start() {
        text_.clear();
        ended_ = false;
    }
    void Feed(std::string_view bytes) {
        for (const char c : bytes) {
            if (ended_) return;
            if (c == '\0') ended_ = true;
            else if (c != '\r' && c != '\t' && text_.size() <= kLongLineLimit) text_.push_back(c);
        }
    }
    std::string_view Finish() {
        if (text_.size() > kLongLineLimit) text_.resize(CharBoundary(text_, kLongLineLimit));
        return text_;
    }

private:
    std::string text_;
    bool ended_ = false;
};

// The words one of which every line that passes the filter holds: every word
// of set 0, which takes any of them, and the first word of each other set
// selected. False when a line may pass without any of them.
bool RequiredWords(std::vector<std::string_view>* words) {
    const KeywordSets& sets = process::settings.keywordSets;
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

unsigned char Lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

// Where a line may pass the filter: a place where one of the words stands
// (letters in either case, at any byte; the first two bytes are looked for
// sixteen at a time), or a TAB or a CR not before a line feed, whose dropping
// may join the parts of a word.
class Candidates {
public:
    explicit Candidates(const std::vector<std::string_view>& words) : words_(words) {
        for (std::string_view word : words)
            starts_.push_back({Lower(word[0]), word.size() > 1 ? Lower(word[1]) : (unsigned char)0, word.size() > 1});
    }

    // The first such place at or after from, in text that ends with a line feed.
    size_t Next(std::string_view text, size_t from) const {
        size_t i = from;
#ifdef QV_COPY_SIMD
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

private:
    struct Start {
        unsigned char first, second;
        bool two;
    };
#ifdef QV_COPY_SIMD
    static __m128i EqualI(__m128i block, unsigned char lower) {
        const __m128i fold = _mm_set1_epi8(lower >= 'a' && lower <= 'z' ? 0x20 : 0);
        return _mm_cmpeq_epi8(_mm_or_si128(block, fold), _mm_set1_epi8(char(lower)));
    }
#endif
    bool IsCandidate(std::string_view text, size_t i) const {
        const char c = text[i];
        const bool lineEndNext = i + 1 < text.size() && text[i + 1] == '\n';
        if (c == '\t' || (c == '\r' && !lineEndNext)) return true;
        for (std::string_view word : words_)
            if (word.size() <= text.size() - i && SameBytesI(text.substr(i, word.size()), word)) return true;
        return false;
    }

    // Byte by byte, letters in either case: what FindI matches at a character
    // start, and more, which the filter then turns down.
    static bool SameBytesI(std::string_view a, std::string_view b) {
        for (size_t k = 0; k < a.size(); ++k)
            if (Lower(a[k]) != Lower(b[k])) return false;
        return true;
    }

    std::vector<Start> starts_;
    std::vector<std::string_view> words_;
};

// The lines of the text, cut, filtered and joined by CR LF, as it comes piece
// by piece; a line may straddle pieces.
class FilteredCopy {
public:
    explicit FilteredCopy(PieceText* out) : out_(out) { skipping_ = RequiredWords(&words_); }

    void Feed(std::string_view piece) {
        size_t at = 0;
        if (carrying_) {
            const void* feed = std::memchr(piece.data(), '\n', piece.size());
            if (!feed) {
                carry_.Feed(piece);
                return;
            }
            at = size_t(static_cast<const char*>(feed) - piece.data());
            carry_.Feed(piece.substr(0, at));
            Take(carry_.Finish());
            carrying_ = false;
            ++at;
        }
        const size_t last = piece.rfind('\n');
        if (last != std::string_view::npos && last >= at) {
            WholeLines(piece.substr(at, last + 1 - at));
            at = last + 1;
        }
        if (at < piece.size()) {
            carry_.Start();
            carry_.Feed(piece.substr(at));
            carrying_ = true;
        }
    }

    // The last line; after a final line feed (or in an empty file) an empty one.
    void Finish() { Take(carrying_ ? carry_.Finish() : std::string_view()); }

private:
    void Take(std::string_view line) {
        if (!LineMatchesFilter(line)) return;
        out_->Append(line);
        out_->Append(kLineEnd);
    }

    // A line as SplitLine cuts it; most lines are taken as they stand.
    std::string_view Cut(std::string_view line) {
        std::string_view text = line;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (text.size() <= kLongLineLimit && !std::memchr(text.data(), '\r', text.size()) &&
            !std::memchr(text.data(), '\t', text.size()) && !std::memchr(text.data(), '\0', text.size()))
            return text;
        cut_.Start();
        cut_.Feed(line);
        return cut_.Finish();
    }

    // Lines that each end with a line feed. With the filter on, only the lines
    // that hold a candidate are cut and tried; the rest cost the scan.
    void WholeLines(std::string_view text) {
        const Candidates candidates(words_);
        for (size_t from = 0; from < text.size() && !out_->failed();) {
            size_t start = from, at = from;
            if (skipping_) {
                at = candidates.Next(text, from);
                if (at == std::string_view::npos) return;
                const size_t before = text.substr(from, at - from).rfind('\n');
                start = before == std::string_view::npos ? from : from + before + 1;
            }
            const size_t end = text.find('\n', at);
            Take(Cut(text.substr(start, end - start)));
            from = end + 1;
        }
    }

    PieceText* out_;
    std::vector<std::string_view> words_;
    bool skipping_ = false;
    LineCut carry_, cut_;
    bool carrying_ = false;
};

}  // namespace

int CopyFilteredFileToClipboard(int beep, ClipboardStart start) {
    std::string kept;
    if (!KeptText(start, &kept)) return 0;
    os::File file = os::OpenFileRead(CurrentFilePath(), os::OpenMode::existing);
    if (!file) return 0;
    PieceText result;
    if (start == ClipboardStart::afterKeptText) {
        result.Append(kept);
        result.Append(kLineEnd);
    }
    FilteredCopy copy(&result);
    {
        // A chunk at a time into one buffer, gone before the clipboard takes its copy.
        uint64_t size = 0;
        const size_t chunk = os::GetFileSize(file, &size) ? ChunkFor(size) : readChunks.largest;
        TextStream text(file, process::settings.codeMode, chunk, chunk);
        for (std::string_view piece; text.Next(&piece) && !result.failed();) copy.Feed(piece);
        os::CloseFile(file);
        if (text.failed()) return 0;
    }
    copy.Finish();
    // Nothing collected: an empty text would only wipe what the user had.
    if (result.failed() || result.size() == 0) return 0;
    result.DropLast(kLineEnd.size());
    return SetClipboardText(result.pieces().data(), result.pieces().size(), beep);
}

}  // namespace qv
