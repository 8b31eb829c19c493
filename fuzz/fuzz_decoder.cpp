// The decoder on any bytes: cut into any pieces it gives what the whole gives,
// within the room DecodedRoom promises; detection takes any block.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/encoding.h"
#include "common/text_decoder.h"
#include "fuzz_check.h"

namespace {

std::string Decode(qv::TextCode code, std::string_view bytes, const std::vector<size_t>& pieces) {
    qv::TextDecoder decoder(code);
    std::string out;
    size_t at = 0, next = 0;
    do {
        const size_t size = next < pieces.size() ? pieces[next++] : bytes.size();
        const std::string_view part = bytes.substr(at, size);
        at += part.size();
        std::vector<char> room(qv::DecodedRoom(part.size()));
        size_t written = 0;
        FUZZ_CHECK(decoder.Decode(part, at == bytes.size(), room.data(), room.size(), &written));
        FUZZ_CHECK(written <= room.size());
        out.append(room.data(), written);
    } while (at < bytes.size());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const auto code = static_cast<qv::TextCode>(input.ConsumeIntegralInRange(0, 3));
    std::vector<size_t> pieces(input.ConsumeIntegralInRange(0, 16));
    for (auto& piece : pieces) piece = input.ConsumeIntegralInRange<size_t>(0, 9);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const qv::DetectedCode detected = qv::DetectTextCode(bytes, qv::CodeMode::automatic);
    FUZZ_CHECK(detected.markLength <= bytes.size());
    FUZZ_CHECK(Decode(code, bytes, pieces) == Decode(code, bytes, {}));
    return 0;
}
