// Text files read as code-page-932 text, whatever their code: a byte-order
// mark, or the first 64 kB, tells UTF-8 and UTF-16 files, which are converted
// here, so that every reader after this one sees cp932 bytes (but one that
// asks for UTF-8 as it is, and converts the lines it keeps).
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "common/encoding.h"
#include "common/text_decoder.h"
#include "common/text_block.h"
#include "os/os.h"

namespace qv {

// The text of an open file, piece by piece, read only as far as it is asked
// for: in chunks that grow fourfold from firstChunk up to largestChunk. With
// keepUtf8, UTF-8 is handed out as the file holds it, for a reader that
// converts only the lines it keeps (Utf8LineConverter).
class TextStream {
public:
    TextStream(os::File file, CodeMode mode, size_t firstChunk, size_t largestChunk, bool keepUtf8 = false);

    // The next piece of text; false at the end of the file or on a failure.
    bool Next(std::string_view* piece);
    bool failed() const { return failed_; }
    // The pieces are UTF-8 from here on. ASCII may come before the code is
    // told, and reads the same either way.
    bool keptUtf8() const { return keepUtf8_ && decided_ && code_ == TextCode::utf8; }
    // The file held text (a byte-order mark alone is none).
    bool anyText() const { return anyText_; }

private:
    bool ReadChunk();
    bool ReadAhead(size_t wanted);
    bool Grow(size_t capacity);
    void Decide();
    void Choose(TextCode code);
    bool Decode(std::string_view text, bool last, std::string_view* piece);
    bool Fail();
    size_t Unread() const { return rawEnd_ - rawBegin_; }
    std::string_view Raw() const { return std::string_view(raw_.get() + rawBegin_, Unread()); }

    os::File file_;
    CodeMode mode_;
    size_t nextChunk_, largestChunk_;
    size_t decodeStep_;  // bytes converted at a time: what a chunk would bring
    std::unique_ptr<char[]> raw_;  // the bytes read and not yet handed out: rawBegin_ to rawEnd_
    size_t rawCapacity_ = 0, rawBegin_ = 0, rawEnd_ = 0;
    size_t rawOffset_ = 0;  // where raw_ starts in the file
    bool ended_ = false, failed_ = false, anyText_ = false;
    bool decided_ = false, flushed_ = false, keepUtf8_;
    TextDecoder decoder_{TextCode::cp932};
    TextCode code_ = TextCode::cp932;
    std::unique_ptr<char[]> decoded_;
    size_t decodedCapacity_ = 0;
};

// The chunks a file is read in: a page's first read, growing fourfold up to
// the largest, which bounds what a reader holds and is what the whole-file
// readers read at a time (defaults::kReadChunks).
struct ReadChunks {
    size_t first;
    size_t largest;
};
// The chunk a whole-file reader reads a file of this size in.
size_t ChunkFor(uint64_t fileSize, size_t largest);

enum class ReadResult { ok, cannotOpen, readFailed, noMemory };

// A whole text file into text, converted; its lines are still to be cut.
ReadResult ReadWholeFile(const char* path, os::OpenMode openMode, CodeMode codeMode, TextBlock* text);
// The same for a file that is already open; the file stays open.
ReadResult ReadOpenFile(os::File file, CodeMode codeMode, TextBlock* text);

}  // namespace qv
