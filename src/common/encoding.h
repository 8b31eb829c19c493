// A text file's encoding, recognised from its first block, and its conversion
// to code page 932, so that everything after the reader sees cp932 bytes.
#pragma once
#include <cstddef>
#include <string_view>

#include "common/utf.h"

namespace qv {

// The user's setting: guess, or take every file as one code.
enum class CodeMode { automatic, cp932, utf8 };
// "932" and "utf8"/"utf-8" (any case); anything else is automatic.
CodeMode ParseCodeMode(std::string_view value);

enum class TextCode { cp932, utf8, utf16le, utf16be };

constexpr size_t kDetectBlockBytes = 64 * 1024;

struct DetectedCode {
    TextCode code;
    size_t markLength;  // the byte-order mark, which the reader skips
};

// firstBlock: the first min(kDetectBlockBytes, file size) bytes; wholeFile: it
// is all of the file. Mode cp932 takes every file as it is, marks included.
// Otherwise a byte-order mark decides; without one, mode utf8 gives utf8, and
// automatic gives utf8 only for valid UTF-8 with a multi-byte character.
DetectedCode DetectTextCode(std::string_view firstBlock, bool wholeFile, CodeMode mode);

// The parts of that rule, for a reader that decides as late as it can:
// a byte-order mark at the start of a file;
bool ReadMark(std::string_view start, DetectedCode* found);
// valid UTF-8 with a multi-byte character (a character cut by the end of a
// block that is not the whole file does not count against it);
bool LooksLikeUtf8(std::string_view block, bool wholeFile);
// an invalid sequence (a character cut by the end is none).
bool HasInvalidUtf8(std::string_view text);

// Room enough for the cp932 form of count bytes: a character never grows,
// but up to 3 bytes of one may be carried over from the call before.
constexpr size_t DecodedRoom(size_t count) { return count + 3; }

class DecodeSink;

// Turns text of one code into cp932, chunk by chunk: a character cut by the
// end of a chunk is carried over to the next call. Invalid bytes (each
// maximal subpart of UTF-8, an unpaired surrogate, an odd last byte) and
// characters without a cp932 form become "?". NUL, CR and LF stay as they are.
// The bytes start after the byte-order mark; cp932 is copied as it is.
class TextDecoder {
public:
    explicit TextDecoder(TextCode code) : code_(code) {}

    // Writes the cp932 form of bytes to out, which has room for room bytes,
    // and sets *written. With last = true a character still incomplete at the
    // end becomes "?". False when out is too small or the system's conversion
    // fails; DecodedRoom(bytes.size()) is always enough.
    bool Decode(std::string_view bytes, bool last, char* out, size_t room, size_t* written);

private:
    CharRead Read(std::string_view text) const;
    size_t FeedCarry(std::string_view bytes, bool last, DecodeSink* sink);
    void DecodeRest(std::string_view bytes, bool last, DecodeSink* sink);

    TextCode code_;
    char carry_[4];
    size_t carryLength_ = 0;
};

}  // namespace qv
