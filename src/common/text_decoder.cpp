#include "common/text_decoder.h"

#include <cstring>

#include "os/os.h"

namespace qv {

namespace {
constexpr char16_t kReplacement = 0xFFFD;
constexpr size_t kWidePiece = 2048;       // UTF-16 units per call of the system's conversion
constexpr size_t kDirectAsciiRun = 32;    // a run this long is worth ending a piece for
}  // namespace

// Where decoded characters go: ASCII straight to out, the rest in pieces of
// UTF-16 that the system converts to cp932 (U+FFFD has no form there: "?").
class DecodeSink {
public:
    DecodeSink(char* out, size_t room) : out_(out), room_(room) {}

    void PutAscii(std::string_view run) {
        if (wideLength_ > 0 && run.size() < kDirectAsciiRun) {
            for (char c : run) PutUnit(static_cast<unsigned char>(c));
            return;
        }
        Flush();
        if (!ok_ || run.size() > room_ - written_) {
            ok_ = false;
            return;
        }
        std::memcpy(out_ + written_, run.data(), run.size());
        written_ += run.size();
    }
    // cp932 has no character beyond U+FFFF, and systems differ in how many
    // "?" they make of a surrogate pair: one replacement each.
    void Put(const CharRead& read) {
        const bool bmp = read.status == CharRead::ok && read.value <= 0xFFFF;
        PutUnit(bmp ? static_cast<char16_t>(read.value) : kReplacement);
    }
    bool Finish(size_t* written) {
        Flush();
        *written = written_;
        return ok_;
    }

private:
    void PutUnit(char16_t unit) {
        if (wideLength_ == kWidePiece) Flush();
        wide_[wideLength_++] = unit;
    }
    void Flush() {
        if (wideLength_ > 0 && ok_) {
            size_t made = 0;
            ok_ = os::WideToCp932(std::u16string_view(wide_, wideLength_), out_ + written_, room_ - written_, &made);
            written_ += made;
        }
        wideLength_ = 0;
    }

    char* out_;
    size_t room_;
    size_t written_ = 0;
    bool ok_ = true;
    char16_t wide_[kWidePiece];
    size_t wideLength_ = 0;
};

CharRead TextDecoder::Read(std::string_view text) const {
    if (code_ == TextCode::utf8) return ReadUtf8Char(text);
    return ReadUtf16Char(text, code_ == TextCode::utf16be);
}

// The carried bytes first, taking input bytes one by one until they make a
// character (or an invalid part); returns how many input bytes it took.
size_t TextDecoder::FeedCarry(std::string_view bytes, bool last, DecodeSink* sink) {
    size_t used = 0;
    while (carryLength_ > 0) {
        const CharRead read = Read(std::string_view(carry_, carryLength_));
        if (read.status == CharRead::cut && used < bytes.size()) {
            carry_[carryLength_++] = bytes[used++];
            continue;
        }
        if (read.status == CharRead::cut && !last) break;
        sink->Put(read);
        carryLength_ -= read.length;
        std::memmove(carry_, carry_ + read.length, carryLength_);
    }
    return used;
}

void TextDecoder::DecodeRest(std::string_view bytes, bool last, DecodeSink* sink) {
    while (!bytes.empty()) {
        if (code_ == TextCode::utf8 && static_cast<unsigned char>(bytes[0]) < 0x80) {
            const size_t run = AsciiPrefixLength(bytes);
            sink->PutAscii(bytes.substr(0, run));
            bytes.remove_prefix(run);
            continue;
        }
        const CharRead read = Read(bytes);
        if (read.status == CharRead::cut && !last) {
            // At most 3 bytes: a cut character is shorter than 4.
            std::memcpy(carry_, bytes.data(), bytes.size());
            carryLength_ = bytes.size();
            return;
        }
        sink->Put(read);
        bytes.remove_prefix(read.length);
    }
}

bool TextDecoder::Decode(std::string_view bytes, bool last, char* out, size_t room, size_t* written) {
    if (code_ == TextCode::cp932) {
        *written = bytes.size() <= room ? bytes.size() : room;
        if (*written) std::memcpy(out, bytes.data(), *written);
        return *written == bytes.size();
    }
    DecodeSink sink(out, room);
    const size_t used = FeedCarry(bytes, last, &sink);
    DecodeRest(bytes.substr(used), last, &sink);
    return sink.Finish(written);
}

}  // namespace qv
