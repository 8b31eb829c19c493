// The clipboard writers, copy after copy, over a clipboard without text, with
// an empty text or a text, now and then busy: each write leaves the kept text
// (when the copy keeps it), CR LF and the new lines joined by CR LF, or the new
// text alone afresh, as CF_TEXT holds it (up to its first NUL), and returns 1;
// it returns 0 only when the clipboard is busy or there is no text to keep,
// and then leaves the clipboard exactly as it was; the beep sounds once, only
// for beep 1 on success. StartWithKeptText reads the kept text and changes nothing.
#include <optional>
#include <string>
#include <vector>

#include "fuzz_machine.h"
#include "output/clipboard.h"
#include "common/text_block.h"

FUZZ_MACHINE(input) {
    qv::MenuItemTable& table = qv::process::menuItems;
    table.itemCount = input.ConsumeIntegralInRange(0, 12);
    for (int k = 0; k < table.itemCount; ++k) {
        table.items[k].fullText = fuzz::ConsumeText(input, 1100);
        table.items[k].marked = input.ConsumeIntegralInRange(0, 2);
    }
    fuzz::PresetClipboard(input);
    while (input.remaining_bytes() > 0) {
        fake::clipboardBusy = input.ConsumeIntegralInRange(0, 7) == 0;
        const qv::ClipboardStart start = fuzz::ConsumeStart(input);
        const int beep = input.ConsumeIntegralInRange(-1, 3);
        const std::optional<std::string> before = fake::clipboard;
        const int beeps = fake::beeps;
        const int writer = input.ConsumeIntegralInRange(0, 3);
        if (writer == 3) {
            qv::TextBlock kept;
            const std::optional<std::string> expected = fuzz::ExpectedJoin(before, start, {});
            FUZZ_CHECK(qv::StartWithKeptText(&kept, start) == (start == qv::ClipboardStart::afresh || expected));
            const bool keeps = start == qv::ClipboardStart::afterKeptText && expected;
            FUZZ_CHECK(kept.view() == (keeps ? *expected + "\r\n" : ""));
            FUZZ_CHECK(fake::clipboard == before && fake::beeps == beeps);
            continue;
        }
        std::vector<std::string> parts;
        int result;
        if (writer == 0) {
            parts.push_back(fuzz::ConsumeText(input, 300));
            result = qv::AppendClipboardText(parts[0], beep, start);
        } else {
            const qv::ItemSelection selection = writer == 1 ? qv::allItems : qv::markedItems;
            for (int k = 0; k < table.itemCount; ++k)
                if (selection == qv::allItems || table.items[k].marked == 1)
                    parts.emplace_back(table.items[k].fullText.view());
            result = qv::CopyItemsToClipboard(selection, beep, start);
        }
        fuzz::CheckClipboardWrite(result, fuzz::ExpectedJoin(before, start, parts), before, beep, beeps);
    }
}
