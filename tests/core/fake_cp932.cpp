// The fake's conversion to code page 932: glibc's iconv, set right where its
// table differs from Windows'. MinGW has no iconv: under Wine the core tests
// take the system's own conversion.
#include "os/os.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <climits>

bool os::WideToCp932(std::u16string_view text, char* out, size_t room, size_t* written) {
    const auto wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = int(std::min<size_t>(room, INT_MAX)), length = int(text.size());
    const int made = text.empty() || room == 0  // 0 would ask for the size instead
                         ? 0 : WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, length, out, size, "?", nullptr);
    *written = made > 0 ? size_t(made) : 0;
    return text.empty() || made > 0;
}

bool os::Cp932ToWide(std::string_view text, std::u16string* wide) {
    wide->assign(text.size(), u'\0');
    const auto out = reinterpret_cast<wchar_t*>(wide->data());
    const int n = int(text.size()), made = n == 0 ? 0 : MultiByteToWideChar(932, 0, text.data(), n, out, n);
    wide->resize(made > 0 ? size_t(made) : 0);
    return text.empty() || made > 0;
}

#else
#include <iconv.h>

#include <cstring>
#include <map>

#include "common/text.h"

namespace {

// The form of every BMP character, made once (Windows converts from a table,
// and the benchmarks are to measure the core, not iconv), and the way back.
struct Cp932Table {
    std::string forms[0x10000];
    std::map<std::string, char16_t, std::less<>> units;
    Cp932Table() {
        const iconv_t converter = iconv_open("CP932", __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__ ? "UTF-16BE" : "UTF-16LE");
        for (unsigned u = 0; u < 0x10000; ++u) {
            char16_t unit = char16_t(u);
            char form[2], *in = reinterpret_cast<char*>(&unit), *out = form;
            size_t inLeft = 2, outLeft = 2;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            const bool made = iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1);
            forms[u] = made ? std::string(form, 2 - outLeft) : "?";
        }
        iconv_close(converter);
        // glibc maps these to look-alikes that Windows leaves out, and lacks
        // Windows' single bytes 0x80, 0xA0 and 0xFD..0xFF (both seen under Wine).
        for (char16_t unit : {0xA2, 0xA3, 0xA5, 0xAC, 0x2014, 0x2016, 0x203E, 0x2212, 0x301C}) forms[unit] = "?";
        const char16_t own[] = {0x0080, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};
        for (int i = 0; i < 5; ++i) forms[own[i]] = "\x80\xA0\xFD\xFE\xFF"[i];
        for (unsigned u = 0; u < 0x10000; ++u)
            if (forms[u] != "?" || u == '?') units[forms[u]] = char16_t(u);
    }
};
const Cp932Table& Table() {
    static const Cp932Table* table = new Cp932Table;
    return *table;
}

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool os::WideToCp932(std::u16string_view text, char* out, size_t room, size_t* written) {
    *written = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pair = IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]);  // none has a form
        const std::string& form = Table().forms[pair ? u'?' : text[i]];
        if (form.size() > room - *written) return false;
        std::memcpy(out + *written, form.data(), form.size());
        *written += form.size();
        i += pair;
    }
    return true;
}

// Only what the conversion above makes leads back; anything else fails.
bool os::Cp932ToWide(std::string_view text, std::u16string* wide) {
    wide->clear();
    for (size_t i = 0, length; i < text.size(); i += length) {
        length = qv::IsLeadByte(text[i]) ? 2 : 1;
        const auto found = Table().units.find(text.substr(i, length));
        if (found == Table().units.end()) return false;
        *wide += found->second;
    }
    return true;
}

#endif
