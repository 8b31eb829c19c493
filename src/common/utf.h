// One character of UTF-8 or UTF-16 at a time, with invalid bytes counted as
// the Unicode standard's "maximal subpart" practice counts them.
#pragma once
#include <cstddef>
#include <string_view>

namespace qv {

struct CharRead {
    // cut: the bytes end inside a character that was valid so far.
    enum Status { ok, invalid, cut } status;
    // ok: the character's bytes; invalid: the maximal subpart, one replacement;
    // cut: what one replacement stands for when nothing more follows.
    size_t length;
    char32_t value;  // ok only
};

// Both read the character at the start of a non-empty text.
CharRead ReadUtf8Char(std::string_view text);
CharRead ReadUtf16Char(std::string_view text, bool bigEndian);

// How many bytes at the start of text are ASCII (below 0x80).
size_t AsciiPrefixLength(std::string_view text);

}  // namespace qv
