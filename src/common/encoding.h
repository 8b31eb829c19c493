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
    bool settled;       // more of the first block cannot change the code
};

// The code of a file from its first block: min(kDetectBlockBytes, size) bytes,
// or a start of them, for which settled tells whether the rest matters.
// fromStart is false for a block that follows ASCII already read: no mark can
// be there, and ASCII tells nothing. Mode cp932 takes every file as it is,
// marks included. Otherwise a byte-order mark decides; without one, mode utf8
// gives utf8, and automatic gives utf8 only for valid UTF-8 that holds a
// sequence code page 932 would not read as two half-width katakana (stored
// cp932 files of kana only rely on that). A character cut by the block's end,
// which may be the file's, counts neither way.
DetectedCode DetectTextCode(std::string_view block, CodeMode mode, bool fromStart = true);

}  // namespace qv
