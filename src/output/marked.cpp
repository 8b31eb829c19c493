#include "output/marked.h"

#include <string>

#include "common/state.h"
#include "common/text.h"
#include "output/clipboard.h"
#include "output/shell_launch.h"
#include "common/text_block.h"

namespace qv {

namespace {

enum Joining { separateArguments, oneText };

struct Placeholder {
    std::string_view head, tail;
    bool found = false;
    bool quoted = false;
};

// The first occurrence, quoted form before bare form; later ones stay in the tail.
Placeholder FindPlaceholder(std::string_view text, std::string_view quoted, std::string_view bare) {
    Placeholder place;
    size_t at = FindI(text, quoted);
    size_t length = quoted.size();
    place.quoted = at != std::string_view::npos;
    if (!place.quoted) {
        at = FindI(text, bare);
        length = bare.size();
    }
    if (at == std::string_view::npos) return place;
    place.head = text.substr(0, at);
    place.tail = text.substr(at + length);
    place.found = true;
    return place;
}

std::string_view CurrentTarget() {
    if (process::currentLauncher < 0 || process::currentLauncher >= kMaxLaunchers) return {};
    return process::launchers[process::currentLauncher].target.view();
}

// Appends the marked lines; false when none is marked. A quoted placeholder
// quotes each argument, or the one text.
bool AppendMarkedLines(TextBlock* command, Joining joining, bool quoted) {
    const bool quoteEach = joining == separateArguments && quoted;
    const bool quoteGroup = joining == oneText && quoted;
    bool any = false;
    for (int k = 0; k < process::menuItems.itemCount; ++k) {
        const MenuItem& item = process::menuItems.items[k];
        if (item.marked != 1) continue;
        if (!any && quoteGroup) command->Append("\"");
        any = true;
        if (quoteEach) command->Append("\"");
        command->Append(item.fullText.view());
        if (quoteEach) command->Append("\"");
        if (joining == separateArguments) command->Append(" ");
    }
    if (!any) return false;
    if (joining == separateArguments) command->Shrink(command->size() - 1);
    if (quoteGroup) command->Append("\"");
    return true;
}

void RunMarked(std::string_view text, MarkedAction action, Joining joining, ClipboardStart start) {
    const Placeholder place = joining == separateArguments ? FindPlaceholder(text, "\"%M\"", "%M")
                                                           : FindPlaceholder(text, "\"%T\"", "%T");
    if (!place.found) return;
    const bool linesOnly = action == actionCopyAndRun;
    TextBlock command;
    if (!linesOnly) command.Append(place.head);
    if (!AppendMarkedLines(&command, joining, place.quoted)) return;
    if (!linesOnly) command.Append(place.tail);
    if (command.failed()) return;

    switch (action) {
    case actionRun:
        ShellLaunch(CurrentTarget(), command.view());
        break;
    case actionCopy:
        AppendClipboardText(command.view(), 1, start);
        break;
    case actionCopyAndRun: {
        AppendClipboardText(command.view(), 3, start);
        std::string_view tail = place.tail;
        if (!tail.empty() && tail.front() == ' ') tail.remove_prefix(1);
        std::string parameters(place.head);
        parameters.append(tail);
        ShellLaunch(CurrentTarget(), parameters);
        break;
    }
    }
}

}  // namespace

void RunMarkedLines(const Expansion& expansion, MarkedAction action, ClipboardStart start) {
    if (expansion.markedList == MarkedList::none) return;
    RunMarked(expansion.text, action, expansion.markedList == MarkedList::arguments ? separateArguments : oneText,
              start);
}

}  // namespace qv
