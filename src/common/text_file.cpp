#include "common/text_file.h"

#include <cstring>
#include <new>

#include "common/defaults.h"
#include "common/utf.h"

namespace qv {

TextStream::TextStream(os::File file, CodeMode mode, size_t firstChunk, size_t largestChunk, bool keepUtf8)
    : file_(file),
      mode_(mode),
      nextChunk_(firstChunk ? firstChunk : 1),
      largestChunk_(largestChunk ? largestChunk : 1),
      decodeStep_(nextChunk_),
      keepUtf8_(keepUtf8) {}

bool TextStream::Fail() {
    failed_ = true;
    return false;
}

bool TextStream::Grow(size_t capacity) {
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[capacity]);
    if (!bytes) return Fail();
    if (rawEnd_ > 0) std::memcpy(bytes.get(), raw_.get(), rawEnd_);
    raw_ = std::move(bytes);
    rawCapacity_ = capacity;
    return true;
}

// Called only when every byte read is handed out, so nothing needs keeping.
bool TextStream::ReadChunk() {
    rawOffset_ += rawEnd_;
    rawBegin_ = rawEnd_ = 0;
    const size_t want = nextChunk_ < largestChunk_ ? nextChunk_ : largestChunk_;
    if (want > rawCapacity_ && !Grow(want)) return false;
    size_t got = 0;
    if (!os::ReadFile(file_, raw_.get(), want, &got)) return Fail();
    rawEnd_ = got;
    ended_ = got == 0;
    nextChunk_ = want >= largestChunk_ / 4 ? largestChunk_ : want * 4;
    return true;
}

// Reads on until wanted bytes are unread or the file ends.
bool TextStream::ReadAhead(size_t wanted) {
    if (Unread() >= wanted || ended_) return true;
    if (rawBegin_ > 0) {
        std::memmove(raw_.get(), raw_.get() + rawBegin_, Unread());
        rawOffset_ += rawBegin_;
        rawEnd_ -= rawBegin_;
        rawBegin_ = 0;
    }
    if (wanted > rawCapacity_ && !Grow(wanted)) return false;
    while (rawEnd_ < wanted) {
        size_t got = 0;
        if (!os::ReadFile(file_, raw_.get() + rawEnd_, wanted - rawEnd_, &got)) return Fail();
        if (got == 0) {
            ended_ = true;
            break;
        }
        rawEnd_ += got;
    }
    return true;
}

void TextStream::Choose(TextCode code) {
    decided_ = true;
    code_ = code;
    decoder_ = TextDecoder(code);
}

// The code, once anything but ASCII is met: ASCII reads alike in every code
// that no mark announces, so it is handed out while the code waits. A failed
// read leaves it undecided, and the stream failed.
void TextStream::Decide() {
    const size_t at = rawOffset_ + rawBegin_;
    if (!ReadAhead(3)) return;  // room for a mark
    const size_t rest = at < kDetectBlockBytes ? kDetectBlockBytes - at : 0;
    if (mode_ == CodeMode::automatic && rest > 0 && (Unread() == 0 || static_cast<unsigned char>(Raw()[0]) < 0x80))
        return;
    // What is read already settles most cp932 text, without reading on.
    DetectedCode found = DetectTextCode(Raw().substr(0, rest), mode_, at == 0);
    if (!found.settled) {
        if (!ReadAhead(rest)) return;
        found = DetectTextCode(Raw().substr(0, rest), mode_, at == 0);
    }
    rawBegin_ += found.markLength;
    Choose(found.code);
}

bool TextStream::Decode(std::string_view text, bool last, std::string_view* piece) {
    const size_t room = DecodedRoom(text.size());
    if (room > decodedCapacity_) {
        decoded_.reset(new (std::nothrow) char[room]);
        decodedCapacity_ = decoded_ ? room : 0;
        if (!decoded_) return Fail();
    }
    size_t written = 0;
    if (!decoder_.Decode(text, last, decoded_.get(), room, &written)) return Fail();
    *piece = std::string_view(decoded_.get(), written);
    return true;
}

bool TextStream::Next(std::string_view* piece) {
    while (!failed_) {
        if (Unread() == 0) {
            if (!ended_) {
                if (!ReadChunk()) return false;
                continue;
            }
            // A character cut by the end of the file becomes "?".
            if (flushed_ || !decided_ || code_ == TextCode::cp932 || keptUtf8()) return false;
            flushed_ = true;
            if (!Decode({}, true, piece)) return false;
            if (piece->empty()) return false;
        } else if (!decided_) {
            Decide();
            if (decided_ || failed_) continue;
            *piece = Raw().substr(0, AsciiPrefixLength(Raw()));
            rawBegin_ += piece->size();
            if (piece->empty()) continue;  // the file ended
        } else if (code_ == TextCode::cp932 || keptUtf8()) {
            *piece = Raw();
            rawBegin_ = rawEnd_;
        } else {
            // The block read to tell the code is converted as far as asked for, too.
            const size_t step = Unread() < decodeStep_ ? Unread() : decodeStep_;
            decodeStep_ = decodeStep_ >= largestChunk_ / 4 ? largestChunk_ : decodeStep_ * 4;
            if (!Decode(Raw().substr(0, step), false, piece)) return false;
            rawBegin_ += step;
            if (piece->empty()) continue;  // a chunk inside one character
        }
        anyText_ = true;
        return true;
    }
    return false;
}

// A file smaller than a chunk is read in one buffer of its own size: a system
// that checks the whole buffer it reads into pays for the rest too.
size_t ChunkFor(uint64_t fileSize, size_t largest) {
    return fileSize < largest ? size_t(fileSize) + 1 : largest;
}

ReadResult ReadOpenFile(os::File file, CodeMode codeMode, TextBlock* text) {
    uint64_t size = 0;
    if (!os::GetFileSize(file, &size)) return ReadResult::readFailed;
    // Converted text is never longer than the file, but for a character cut at its end.
    if (size > SIZE_MAX / 2 || !text->Reserve(DecodedRoom(size_t(size)))) return ReadResult::noMemory;
    const size_t chunk = ChunkFor(size, defaults::kReadChunks.largest);
    TextStream stream(file, codeMode, chunk, chunk);
    std::string_view piece;
    while (stream.Next(&piece)) text->Append(piece);
    if (stream.failed()) return ReadResult::readFailed;
    if (text->failed()) return ReadResult::noMemory;
    return ReadResult::ok;
}

ReadResult ReadWholeFile(const char* path, os::OpenMode openMode, CodeMode codeMode, TextBlock* text) {
    os::File file = os::OpenFileRead(path, openMode);
    if (!file) return ReadResult::cannotOpen;
    const ReadResult result = ReadOpenFile(file, codeMode, text);
    os::CloseFile(file);
    return result;
}

}  // namespace qv
