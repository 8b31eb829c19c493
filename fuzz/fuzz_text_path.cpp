// The cp932 text rules and the path split on any bytes, against plain
// reference versions written character by character.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/path_split.h"
#include "common/text.h"
#include "fuzz_check.h"

namespace {

using fuzz::CharStarts;

void CheckText(std::string_view a, std::string_view b) {
    FUZZ_CHECK(qv::FindI(a, b) == fuzz::ReferenceFindI(a, b));
    FUZZ_CHECK(qv::StartsWithI(a, b) == (a.size() >= b.size() && fuzz::ReferenceSameI(a.substr(0, b.size()), b)));
    FUZZ_CHECK(qv::EqualsI(a, b) == fuzz::ReferenceSameI(a, b));
    for (size_t limit : {size_t(0), size_t(1), a.size() / 2, a.size(), a.size() + 1})
        FUZZ_CHECK(qv::CharBoundary(a, limit) == fuzz::ReferenceCut(a, limit));
    long long value = 0;
    size_t i = 0;
    bool negative = false;
    if (!a.empty() && (a[0] == '-' || a[0] == '+')) negative = a[i++] == '-';
    for (; i < a.size() && a[i] >= '0' && a[i] <= '9'; ++i) value = (value * 10 + (a[i] - '0')) & 0xFFFFFFFFll;
    const uint32_t wrapped = negative ? uint32_t(0u - uint32_t(value)) : uint32_t(value);
    FUZZ_CHECK(qv::StrToInt(a) == static_cast<int32_t>(wrapped));
}

void CheckPath(std::string_view path) {
    const qv::PathParts parts = qv::SplitPath(path);
    const std::string_view considered = path.substr(0, qv::CharBoundary(path, 260));
    FUZZ_CHECK(parts.drive + parts.folder + parts.name + parts.extension == considered);
    FUZZ_CHECK(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'));
    if (!parts.folder.empty()) FUZZ_CHECK(parts.folder.back() == '\\' || parts.folder.back() == '/');
    FUZZ_CHECK(parts.extension.empty() || parts.extension[0] == '.');
    // No separator in the last component, no dot after the extension's dot,
    // counting only bytes that are characters of their own.
    const std::string last = parts.name + parts.extension;
    for (size_t s : CharStarts(last)) {
        FUZZ_CHECK(last[s] != '\\' && last[s] != '/');
        if (last[s] == '.') FUZZ_CHECK(s <= parts.name.size());
    }
    if (!parts.extension.empty()) {
        const std::vector<size_t> starts = CharStarts(last);
        FUZZ_CHECK(std::find(starts.begin(), starts.end(), parts.name.size()) != starts.end());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string a = input.ConsumeRandomLengthString(400);
    const std::string b = input.ConsumeRemainingBytesAsString();
    CheckText(a, b);
    CheckText(b, a);
    CheckPath(a);
    CheckPath(b);
    return 0;
}
