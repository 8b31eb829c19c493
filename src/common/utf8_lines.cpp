#include "common/utf8_lines.h"

#include "os/os.h"

namespace qv {

namespace {

void AppendUtf8(char16_t unit, std::string* text) {
    if (unit < 0x80) {
        *text += char(unit);
    } else if (unit < 0x800) {
        *text += char(0xC0 | unit >> 6);
        *text += char(0x80 | (unit & 0x3F));
    } else {
        *text += char(0xE0 | unit >> 12);
        *text += char(0x80 | (unit >> 6 & 0x3F));
        *text += char(0x80 | (unit & 0x3F));
    }
}

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

}  // namespace

// The conversion to cp932 turns a character into one code only where that
// code turns back into it, so a word that comes back whole stands in a
// converted text only where its Unicode form stood.
bool Utf8FormOfWord(std::string_view word, std::string* utf8) {
    std::u16string wide;
    if (word.find('?') != std::string_view::npos || !os::Cp932ToWide(word, &wide)) return false;
    std::string back(2 * wide.size(), '\0');
    size_t written = 0;
    if (!os::WideToCp932(wide, back.data(), back.size(), &written) || std::string_view(back.data(), written) != word)
        return false;
    utf8->clear();
    for (char16_t unit : wide) {
        if (IsSurrogate(unit)) return false;
        AppendUtf8(unit, utf8);
    }
    return true;
}

std::string_view Utf8LineConverter::Cut(std::string_view line, LineCutter* cutter) {
    if (line.size() <= kStep) return cutter->Cut(Convert(line, true));
    cutter->Start();
    Feed(line, cutter);
    End(cutter);
    return cutter->Finish();
}

void Utf8LineConverter::Feed(std::string_view bytes, LineCutter* cutter) {
    for (size_t at = 0; at < bytes.size(); at += kStep) cutter->Feed(Convert(bytes.substr(at, kStep), false));
}

void Utf8LineConverter::End(LineCutter* cutter) { cutter->Feed(Convert({}, true)); }

std::string_view Utf8LineConverter::Convert(std::string_view bytes, bool last) {
    size_t written = 0;
    if (!decoder_.Decode(bytes, last, converted_, sizeof converted_, &written)) failed_ = true;
    return std::string_view(converted_, written);
}

}  // namespace qv
