// The conversion of UTF-8 and UTF-16 text to code page 932, chunk by chunk.
#pragma once
#include <cstddef>
#include <string_view>

#include "common/encoding.h"
#include "common/utf.h"

namespace qv {

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
    char carry_[4] = {};
    size_t carryLength_ = 0;
};

}  // namespace qv
