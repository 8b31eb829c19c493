// The marks and the marked-lines builders on any lines, marks and templates:
// markedCount always equals the marks, and what the builders hand on is made
// of the marked lines.
#include <string>

#include "fuzz_machine.h"
#include "menu/hooks.h"
#include "output/clipboard.h"
#include "output/macros.h"
#include "output/marked.h"

namespace {

int CountMarks() {
    int marks = 0;
    for (int k = 0; k < qv::kMaxMenuItems; ++k) marks += qv::process::menuItems.items[k].marked == 1;
    return marks;
}

}  // namespace

FUZZ_MACHINE(input) {
    qv::MenuItemTable& table = qv::process::menuItems;
    table.itemCount = input.ConsumeIntegralInRange(0, qv::kMaxMenuItems);
    const int lines = input.ConsumeIntegralInRange(0, table.itemCount);
    for (int k = 0; k < lines; ++k) table.items[k].fullText = input.ConsumeRandomLengthString(1100);

    const int operations = input.ConsumeIntegralInRange(0, 64);
    for (int op = 0; op < operations; ++op) {
        const int item = input.ConsumeIntegralInRange(-3, qv::kMaxMenuItems + 3);
        if (input.ConsumeBool()) qv::ToggleItemMark(item);
        else qv::SetItemMark(item, input.ConsumeIntegralInRange(-1, 2));
        FUZZ_CHECK(table.markedCount == CountMarks());
    }

    qv::process::launchers[0].target = "C:\\q\\edit.exe";
    qv::process::launcherCount = 1;
    const std::string templateText = input.ConsumeRandomLengthString(1200);
    const qv::Expansion expansion = qv::ExpandMacros(templateText, "C:\\d\\a.txt", 1);
    const qv::ClipboardStart start = input.ConsumeBool() ? qv::ClipboardStart::afterKeptText : qv::ClipboardStart::afresh;
    fuzz::PresetClipboard(input);
    const qv::MarkedAction actions[] = {qv::actionRun, qv::actionCopy, qv::actionCopyAndRun};
    const qv::MarkedAction action = actions[input.ConsumeIntegralInRange(0, 2)];
    qv::RunMarkedLines(expansion, action, start);
    FUZZ_CHECK(fake::launches.size() <= 1);
    FUZZ_CHECK(table.markedCount == CountMarks());

    // The marked items on a clipboard that keeps nothing: exactly the marked lines.
    const bool copied = qv::CopyItemsToClipboard(qv::markedItems, 0, qv::ClipboardStart::afresh) == 1;
    FUZZ_CHECK(copied && fake::clipboard);
    std::string expected;
    for (int k = 0; k < table.itemCount; ++k) {
        if (table.items[k].marked != 1) continue;
        expected.append(table.items[k].fullText.view()).append("\r\n");
    }
    if (!expected.empty()) expected.resize(expected.size() - 2);
    FUZZ_CHECK(*fake::clipboard == expected);
}
