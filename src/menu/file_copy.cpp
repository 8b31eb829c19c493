#include "menu/file_copy.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "common/split_line.h"
#include "common/state.h"
#include "common/text_file.h"
#include "common/utf8_lines.h"
#include "lines/filter_scan.h"
#include "lines/filters.h"


namespace qv {

namespace {

// The lines of the text, cut, filtered and joined by CR LF, as it comes piece
// by piece; a line may straddle pieces. UTF-8 comes as the file holds it when
// every word has a UTF-8 form: only the lines that may pass are converted.
class FilteredCopy {
public:
    FilteredCopy(PieceText* out, const KeywordSets& filter) : out_(out), scan_(filter), utf8Scan_(filter, true) {}

    bool takesUtf8() const { return utf8Scan_.skips(); }
    bool failed() const { return utf8_.failed(); }

    // A piece of cp932 text, or with utf8 of UTF-8.
    void Feed(std::string_view piece, bool utf8) {
        size_t at = 0;
        if (carrying_) {
            const void* feed = std::memchr(piece.data(), '\n', piece.size());
            if (!feed) {
                Carry(piece, utf8);
                return;
            }
            at = size_t(static_cast<const char*>(feed) - piece.data());
            Carry(piece.substr(0, at), utf8);
            EndCarry();
            ++at;
        }
        const size_t last = piece.rfind('\n');
        if (last != std::string_view::npos && last >= at) {
            WholeLines(piece.substr(at, last + 1 - at), utf8);
            at = last + 1;
        }
        if (at < piece.size()) {
            carry_.Start();
            carrying_ = true;
            Carry(piece.substr(at), utf8);
        }
    }

    // The last line; after a final line feed (or in an empty file) an empty one.
    void Finish() {
        if (carrying_) EndCarry();
        else Take(std::string_view());
    }

private:
    void Take(std::string_view line) {
        if (!LineMatchesFilter(line)) return;
        out_->Append(line);
        out_->Append(kLineEnd);
    }

    // A carried line may start in ASCII handed out before the code was told
    // and go on in UTF-8: one cutter takes both.
    void Carry(std::string_view part, bool utf8) {
        if (utf8) utf8_.Feed(part, &carry_);
        else carry_.Feed(part);
    }
    void EndCarry() {
        utf8_.End(&carry_);
        Take(carry_.Finish());
        carrying_ = false;
    }

    // Lines that each end with a line feed. With the filter on, only the lines
    // that hold a candidate are cut and tried; the rest cost the scan.
    void WholeLines(std::string_view text, bool utf8) {
        const FilterScan& scan = utf8 ? utf8Scan_ : scan_;
        for (size_t from = 0; from < text.size() && !out_->failed();) {
            size_t start = from, at = from;
            if (scan.skips()) {
                at = scan.Next(text, from);
                if (at == std::string_view::npos) return;
                const size_t before = text.substr(from, at - from).rfind('\n');
                start = before == std::string_view::npos ? from : from + before + 1;
            }
            const size_t end = text.find('\n', at);
            const std::string_view line = text.substr(start, end - start);
            Take(utf8 ? utf8_.Cut(line, &cut_) : cut_.Cut(line));
            from = end + 1;
        }
    }

    PieceText* out_;
    const FilterScan scan_, utf8Scan_;
    LineCutter carry_{kLongLineLimit}, cut_{kLongLineLimit};
    Utf8LineConverter utf8_;
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
        TextStream text(file, process::settings.codeMode, chunk, chunk, copy.takesUtf8());
        for (std::string_view piece; text.Next(&piece) && !result.failed() && !copy.failed();)
            copy.Feed(piece, text.keptUtf8());
        os::CloseFile(file);
        if (text.failed()) return 0;
    }
    copy.Finish();
    if (result.failed() || copy.failed()) return 0;
    result.DropLast(kLineEnd.size());
    // No line, or one empty line: an empty text would only wipe what the user had.
    if (result.size() == 0) return 0;
    return SetClipboardText(result.pieces().data(), result.pieces().size(), beep);
}

}  // namespace qv
