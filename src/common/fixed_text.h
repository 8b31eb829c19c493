// A NUL-terminated byte string in a buffer of N bytes: at most N - 1 bytes,
// longer text is cut, never inside a double-byte character.
#pragma once
#include <cstring>
#include <string>
#include <string_view>

#include "common/text.h"

namespace qv {

template <size_t N>
struct FixedText {
    static constexpr size_t kCapacity = N - 1;
    char data[N] = {};

    FixedText() = default;
    // Implicit on purpose: records are filled from any text.
    FixedText(std::string_view s) { assign(s); }         // NOLINT
    FixedText(const char* s) { assign(s); }              // NOLINT
    FixedText(const std::string& s) { assign(s); }       // NOLINT

    const char* c_str() const { return data; }
    std::string_view view() const { return std::string_view(data, size()); }
    operator std::string_view() const { return view(); }  // NOLINT
    size_t size() const { return std::strlen(data); }
    bool empty() const { return data[0] == '\0'; }
    void clear() { data[0] = '\0'; }

    void assign(std::string_view s) {
        size_t n = CharBoundary(s, kCapacity);
        std::memmove(data, s.data(), n);
        data[n] = '\0';
    }
    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    FixedText& operator=(const char* s) { return *this = std::string_view(s); }
    FixedText& operator=(const std::string& s) { return *this = std::string_view(s); }
};

}  // namespace qv
