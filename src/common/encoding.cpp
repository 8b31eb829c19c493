#include "common/encoding.h"

#include "common/text.h"
#include "common/utf.h"

namespace qv {

namespace {
bool StartsWith(std::string_view text, std::string_view mark) { return text.substr(0, mark.size()) == mark; }
}  // namespace

// Code-page-932 text almost never passes: most of its lead bytes are UTF-8
// continuation bytes. All-ASCII text proves nothing and stays cp932.
bool LooksLikeUtf8(std::string_view block, bool wholeFile) {
    bool multiByte = false;
    size_t i = 0;
    for (;;) {
        i += AsciiPrefixLength(block.substr(i));
        if (i == block.size()) return multiByte;
        const CharRead read = ReadUtf8Char(block.substr(i));
        if (read.status == CharRead::invalid) return false;
        // The file goes on past the block, maybe with the rest of this character.
        if (read.status == CharRead::cut) return multiByte && !wholeFile;
        multiByte = true;
        i += read.length;
    }
}

bool HasInvalidUtf8(std::string_view text) {
    for (size_t i = AsciiPrefixLength(text); i < text.size(); i += AsciiPrefixLength(text.substr(i))) {
        const CharRead read = ReadUtf8Char(text.substr(i));
        if (read.status == CharRead::invalid) return true;
        if (read.status == CharRead::cut) return false;
        i += read.length;
    }
    return false;
}

bool ReadMark(std::string_view start, DetectedCode* found) {
    if (StartsWith(start, "\xEF\xBB\xBF")) *found = {TextCode::utf8, 3};
    else if (StartsWith(start, "\xFF\xFE")) *found = {TextCode::utf16le, 2};
    else if (StartsWith(start, "\xFE\xFF")) *found = {TextCode::utf16be, 2};
    else return false;
    return true;
}

CodeMode ParseCodeMode(std::string_view value) {
    value = value.substr(0, value.find_last_not_of(' ') + 1);
    if (value == "932") return CodeMode::cp932;
    if (EqualsI(value, "utf8") || EqualsI(value, "utf-8")) return CodeMode::utf8;
    return CodeMode::automatic;
}

DetectedCode DetectTextCode(std::string_view firstBlock, bool wholeFile, CodeMode mode) {
    if (mode == CodeMode::cp932) return {TextCode::cp932, 0};
    DetectedCode marked;
    if (ReadMark(firstBlock, &marked)) return marked;
    if (mode == CodeMode::utf8 || LooksLikeUtf8(firstBlock, wholeFile)) return {TextCode::utf8, 0};
    return {TextCode::cp932, 0};
}

}  // namespace qv
