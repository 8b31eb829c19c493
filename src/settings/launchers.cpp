#include "settings/launchers.h"

#include <string>

#include "common/path_split.h"
#include "common/state.h"
#include "common/text.h"
#include "settings/program_lookup.h"
#include "settings/section.h"

namespace qv {

namespace {

constexpr const char* kQuotedP = "\"%P\"";

void AddLauncher(std::string_view target, std::string_view label, std::string_view parameters) {
    LauncherEntry& entry = process::launchers[process::launcherCount++];
    entry.target = target;
    entry.label = label;
    entry.parameters = parameters;
}

// A built-in target: "@system", "@clipX" (the whole filtered file) or "@clip".
void AddBuiltIn(std::string_view targetText, std::string_view label, bool labelIsTarget) {
    const char* keyword = nullptr;
    if (StartsWithI(targetText, "@system")) keyword = "@system";
    else if (StartsWithI(targetText, "@clipX")) keyword = "@clipX";
    else if (StartsWithI(targetText, "@clip")) keyword = "@clip";
    else return;
    AddLauncher(keyword, labelIsTarget ? std::string_view(keyword) : label, "");
}

// One line that is neither "%end" nor a parameter line. A program or document
// that exists wins over the built-in keywords; folders and unknown names add nothing.
void ReadEntryLine(std::string_view line) {
    const size_t bar = FindI(line, " | ");
    const bool labelled = bar != std::string_view::npos;
    const std::string_view targetText = labelled ? line.substr(0, bar) : line;
    const std::string_view label = labelled ? line.substr(bar + 3) : std::string_view();
    std::string path;
    if (ResolveProgramPath(targetText, true, &path) && !os::PathIsDirectory(path.c_str())) {
        AddLauncher(path, labelled ? label : std::string_view(SplitPath(path).name), kQuotedP);
        return;
    }
    AddBuiltIn(targetText, label, !labelled);
}

}  // namespace

// [exec]: one entry a line, at most 20, read after [system] so "@path=" applies.
//   target                 a program or document; label: its name, parameters: "%P" quoted
//   target | label         the label is everything after the first " | "
//   @system, @clip, @clipX built-in targets (any case; "@clip..." is "@clip")
//   >parameters            replaces the parameters of the entry added last
void ReadExecSection(std::string_view content) {
    process::launcherCount = 0;
    process::currentLauncher = 0;
    PendingLaunchers& pending = process::pendingLaunchers;
    pending.lines.clear();
    pending.open = true;
    ForEachSectionLine(content, "[exec]", [](std::string_view line) {
        if (IsSectionEnd(line)) return false;
        process::pendingLaunchers.lines.emplace_back(line);
        return true;
    });
}

// The first menu need not wait for lookups it does not show: where the system's
// search order is searched, a name that is not found costs a noticeable time.
void ReadLaunchers(int count) {
    PendingLaunchers& pending = process::pendingLaunchers;
    if (!pending.open) return;
    for (; !pending.lines.empty(); pending.lines.pop_front()) {
        const std::string& line = pending.lines.front();
        if (process::launcherCount > 0 && !line.empty() && line[0] == '>') {
            process::launchers[process::launcherCount - 1].parameters = std::string_view(line).substr(1);
            continue;
        }
        if (process::launcherCount == kMaxLaunchers) break;  // a full table ends the section
        if (process::launcherCount >= count) return;         // the rest when asked for
        ReadEntryLine(line);
    }
    if (process::launcherCount == 0) AddLauncher("@system", "@system", "");
    pending.lines.clear();
    pending.open = false;
}

}  // namespace qv
