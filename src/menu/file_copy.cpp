#include "menu/file_copy.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "common/split_line.h"
#include "common/state.h"
#include "common/text_file.h"
#include "lines/filter_scan.h"
#include "lines/filters.h"


namespace qv {

namespace {

// The lines of the text, cut, filtered and joined by CR LF, as it comes piece
// by piece; a line may straddle pieces.
class FilteredCopy {
public:
    FilteredCopy(PieceText* out, const KeywordSets& filter) : out_(out), scan_(filter) {}

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

    // Lines that each end with a line feed. With the filter on, only the lines
    // that hold a candidate are cut and tried; the rest cost the scan.
    void WholeLines(std::string_view text) {
        for (size_t from = 0; from < text.size() && !out_->failed();) {
            size_t start = from, at = from;
            if (scan_.skips()) {
                at = scan_.Next(text, from);
                if (at == std::string_view::npos) return;
                const size_t before = text.substr(from, at - from).rfind('\n');
                start = before == std::string_view::npos ? from : from + before + 1;
            }
            const size_t end = text.find('\n', at);
            Take(cut_.Cut(text.substr(start, end - start)));
            from = end + 1;
        }
    }

    PieceText* out_;
    const FilterScan scan_;
    LineCutter carry_{kLongLineLimit}, cut_{kLongLineLimit};
    bool carrying_ = false;
};

}  // namespace

int CopyFilteredFileToClipboard(int beep, ClipboardStart start, const ReadChunks& chunks) {
    std::string kept;
    if (!KeptText(start, &kept)) return 0;
    os::File file = os::OpenFileRead(CurrentFilePath(), os::OpenMode::existing);
    if (!file) return 0;
    PieceText result;
    if (start == ClipboardStart::afterKeptText) {
        result.Append(kept);
        result.Append(kLineEnd);
    }
    FilteredCopy copy(&result, process::settings.keywordSets);
    {
        // A chunk at a time into one buffer, gone before the clipboard takes its copy.
        uint64_t size = 0;
        const size_t chunk = os::GetFileSize(file, &size) ? ChunkFor(size, chunks.largest) : chunks.largest;
        TextStream text(file, process::settings.codeMode, chunk, chunk);
        for (std::string_view piece; text.Next(&piece) && !result.failed();) copy.Feed(piece);
        os::CloseFile(file);
        if (text.failed()) return 0;
    }
    copy.Finish();
    if (result.failed()) return 0;
    result.DropLast(kLineEnd.size());
    // No line, or one empty line: an empty text would only wipe what the user had.
    if (result.size() == 0) return 0;
    return SetClipboardText(result.pieces().data(), result.pieces().size(), beep);
}

}  // namespace qv
