// ExpandMacros on any template, path and line number: the result fits the
// launch step's buffer, never ends inside a character the template did not
// cut there.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "common/text.h"
#include "fuzz_check.h"
#include "output/macros.h"
#include "process_reset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    qv::ResetProcessState();
    const int lineNumber = input.ConsumeIntegral<int>();
    qv::process::previousForeground = reinterpret_cast<os::Window>(static_cast<intptr_t>(input.ConsumeIntegral<int32_t>()));
    const std::string path = input.ConsumeRandomLengthString(700);
    const std::string templateText = input.ConsumeRemainingBytesAsString();
    const std::string out = qv::ExpandMacros(templateText, path, lineNumber).text;
    FUZZ_CHECK(out.size() <= qv::kExpandedLimit);
    // Without a macro sign the template comes back as it was (cut to the limit).
    if (templateText.find('%') == std::string::npos)
        FUZZ_CHECK(out == templateText.substr(0, qv::CharBoundary(templateText, qv::kExpandedLimit)));
    return 0;
}
