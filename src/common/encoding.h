// A text file's encoding, recognised from its first block, and its conversion
// to code page 932, so that everything after the reader sees cp932 bytes.
#pragma once
#include <cstddef>
#include <string_view>


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

}  // namespace qv
