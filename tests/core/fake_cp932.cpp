// The fake's conversion to code page 932: glibc's iconv, set right where its
// table differs from Windows'. MinGW has no iconv: under Wine the core tests
// take the system's own conversion.
#include "os/os.h"

#ifdef _WIN32
#include <windows.h>

#include <climits>

bool os::WideToCp932(std::u16string_view text, char* out, size_t room, size_t* written) {
    *written = 0;
    if (text.empty()) return true;
    if (room == 0) return false;  // 0 would ask for the size instead
    const int made = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(text.data()),
                                         int(text.size()), out, int(room < INT_MAX ? room : INT_MAX), "?", nullptr);
    *written = made > 0 ? size_t(made) : 0;
    return made > 0;
}

bool os::Cp932ToWide(std::string_view text, std::u16string* wide) {
    wide->assign(text.size(), u'\0');
    const int made = text.empty() ? 0 : MultiByteToWideChar(932, 0, text.data(), int(text.size()),
                                                             reinterpret_cast<wchar_t*>(wide->data()), int(wide->size()));
    wide->resize(made > 0 ? size_t(made) : 0);
    return text.empty() || made > 0;
}

#else
#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// glibc maps these to look-alikes that Windows leaves out, and lacks Windows'
// single bytes 0x80, 0xA0 and 0xFD..0xFF (both seen under Wine).
const struct {
    char16_t unit;
    char byte;
} kWindowsForms[] = {
    {0x00A2, '?'}, {0x00A3, '?'}, {0x00A5, '?'}, {0x00AC, '?'}, {0x2014, '?'},
    {0x2016, '?'}, {0x203E, '?'}, {0x2212, '?'}, {0x301C, '?'}, {0x0080, '\x80'},
    {0xF8F0, '\xA0'}, {0xF8F1, '\xFD'}, {0xF8F2, '\xFE'}, {0xF8F3, '\xFF'},
};
const char* WindowsForm(char16_t unit) {
    for (auto& form : kWindowsForms)
        if (form.unit == unit) return &form.byte;
    return nullptr;
}

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// One character (a surrogate pair is one) at a time: glibc's iconv is slow to
// resume after a character it cannot convert in a long input.
size_t FormOf(std::u16string_view character, char* form, iconv_t converter) {
    if (const char* windows = character.size() == 1 ? WindowsForm(character[0]) : nullptr) {
        *form = *windows;
        return 1;
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    auto in = reinterpret_cast<char*>(const_cast<char16_t*>(character.data()));
    size_t inLeft = character.size() * 2, formLeft = 4;
    if (iconv(converter, &in, &inLeft, &form, &formLeft) == size_t(-1)) {
        *form = '?';
        return 1;
    }
    return 4 - formLeft;
}

// Each character is asked of iconv once: Windows converts from a table, and
// the benchmarks are to measure the core, not iconv.
size_t KnownFormOf(char16_t unit, char* form, iconv_t converter) {
    static struct {
        unsigned char length;
        char bytes[4];  // as FormOf may write; a BMP character takes at most 2
    } known[0x10000];
    auto& entry = known[unit];
    if (entry.length == 0) entry.length = static_cast<unsigned char>(FormOf({&unit, 1}, entry.bytes, converter));
    std::memcpy(form, entry.bytes, entry.length);
    return entry.length;
}

}  // namespace

bool os::WideToCp932(std::u16string_view text, char* out, size_t room, size_t* written) {
    static const iconv_t converter =
        iconv_open("CP932", __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? "UTF-16LE" : "UTF-16BE");
    *written = 0;
    if (converter == iconv_t(-1)) return false;
    for (size_t i = 0; i < text.size();) {
        const size_t units = i + 1 < text.size() && IsHigh(text[i]) && IsLow(text[i + 1]) ? 2 : 1;
        char form[4];
        const size_t length =
            units == 1 ? KnownFormOf(text[i], form, converter) : FormOf(text.substr(i, units), form, converter);
        if (length > room - *written) return false;
        std::memcpy(out + *written, form, length);
        *written += length;
        i += units;
    }
    return true;
}

// Only what Windows reads the same: the bytes of kWindowsForms and what iconv
// reads; anything else fails.
bool os::Cp932ToWide(std::string_view text, std::u16string* wide) {
    static const iconv_t converter =
        iconv_open(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? "UTF-16LE" : "UTF-16BE", "CP932");
    wide->clear();
    if (converter == iconv_t(-1)) return false;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const size_t length = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 2 : 1;
        const auto own = std::find_if(std::begin(kWindowsForms), std::end(kWindowsForms),
                                      [&](auto& form) { return form.byte == text[i] && form.byte != '?'; });
        char16_t unit = own != std::end(kWindowsForms) ? own->unit : 0;
        if (!unit) {
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            auto in = const_cast<char*>(text.data() + i);
            auto out = reinterpret_cast<char*>(&unit);
            size_t inLeft = std::min(length, text.size() - i), outLeft = 2;
            if (iconv(converter, &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0) return false;
        }
        *wide += unit;
        i += length;
    }
    return true;
}

#endif
