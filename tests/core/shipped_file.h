// Files the release ships beside Qivora.exe (the sample settings, the
// manual), read from the source tree. They are opened with a Windows user's
// editor, so their bytes must be cp932 with CR LF line ends.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#ifndef QIVORA_SOURCE_DIR
#error "QIVORA_SOURCE_DIR must name the source tree (tests/CMakeLists.txt sets it)"
#endif

namespace qv {

// False when the file cannot be read.
inline bool ReadShippedFile(const char* relative, std::string* content) {
    const std::string path = std::string(QIVORA_SOURCE_DIR) + "/" + relative;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    content->clear();
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content->append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// Offset of the first byte that is not cp932 text with CR LF line ends
// (a stray control byte, a lone CR or LF, a broken double-byte character),
// or npos. Lead bytes of unassigned rows count as broken.
inline size_t FirstFaultInWindowsText(std::string_view text) {
    auto lead = [](unsigned char c) {
        return (c >= 0x81 && c <= 0x84) || (c >= 0x87 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEA) ||
               c == 0xED || c == 0xEE || (c >= 0xFA && c <= 0xFC);
    };
    auto trail = [](unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; };
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i];
        if (c == '\r') {
            if (i + 1 == text.size() || text[i + 1] != '\n') return i;
            ++i;
        } else if (c == '\n') {
            return i;
        } else if (lead(c)) {
            if (i + 1 == text.size() || !trail(static_cast<unsigned char>(text[i + 1]))) return i;
            ++i;
        } else if (!((c >= 0x20 && c < 0x7F) || c == '\t' || (c >= 0xA1 && c <= 0xDF))) {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace qv
