#include "common/encoding.h"

#include "common/text.h"

namespace qv {

namespace {

bool StartsWith(std::string_view text, std::string_view mark) { return text.substr(0, mark.size()) == mark; }

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

}  // namespace

CodeMode ParseCodeMode(std::string_view value) {
    if (value == "932") return CodeMode::cp932;
    if (EqualsI(value, "utf8") || EqualsI(value, "utf-8")) return CodeMode::utf8;
    return CodeMode::automatic;
}

DetectedCode DetectTextCode(std::string_view firstBlock, bool wholeFile, CodeMode mode) {
    if (mode == CodeMode::cp932) return {TextCode::cp932, 0};
    if (StartsWith(firstBlock, "\xEF\xBB\xBF")) return {TextCode::utf8, 3};
    if (StartsWith(firstBlock, "\xFF\xFE")) return {TextCode::utf16le, 2};
    if (StartsWith(firstBlock, "\xFE\xFF")) return {TextCode::utf16be, 2};
    if (mode == CodeMode::utf8 || LooksLikeUtf8(firstBlock, wholeFile)) return {TextCode::utf8, 0};
    return {TextCode::cp932, 0};
}

}  // namespace qv
