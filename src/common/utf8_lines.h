// UTF-8 text read as the file holds it, for a reader that wants only some of
// its lines: the keywords in UTF-8 to look for, and the cp932 form of the
// lines it keeps, cut by the line rule as if the whole text had been converted.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "common/split_line.h"
#include "common/text_decoder.h"

namespace qv {

// The UTF-8 form of a keyword (cp932), which a UTF-8 line holds wherever its
// cp932 form holds the word. False where there is none: "?" stands there for
// every character without a cp932 form, and a word that Unicode does not give
// back as it was (a lone lead byte, the second code of a character) is not
// what any converted text holds.
bool Utf8FormOfWord(std::string_view word, std::string* utf8);

// Converts lines of UTF-8 to cp932 a step at a time into a cutter, so that a
// line of any length costs a small buffer.
class Utf8LineConverter {
public:
    // A whole line without its LF, cut by cutter.
    std::string_view Cut(std::string_view line, LineCutter* cutter);

    // A line in parts, on a started cutter: Feed as often as needed, then End
    // (a character the line's end cuts becomes "?") and cutter->Finish().
    void Feed(std::string_view bytes, LineCutter* cutter);
    void End(LineCutter* cutter);

    // The system's conversion failed; the lines since are not to be used.
    bool failed() const { return failed_; }

private:
    static constexpr size_t kStep = 4096;
    std::string_view Convert(std::string_view bytes, bool last);  // at most kStep bytes

    TextDecoder decoder_{TextCode::utf8};
    char converted_[DecodedRoom(kStep)];
    bool failed_ = false;
};

}  // namespace qv
