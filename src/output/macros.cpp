#include "output/macros.h"

#include <cstdint>

#include "common/path_split.h"
#include "common/state.h"
#include "common/text.h"

namespace qv {

namespace {

// Room for values inserted during the passes; the result is cut to
// kExpandedLimit only at the end, so a later pass that shortens the text
// (a request macro, an empty value) never loses its tail.
constexpr size_t kWorkingLimit = 64 * 1024;

std::string Cut(std::string text, size_t limit) {
    text.resize(CharBoundary(text, limit));
    return text;
}

// Replaces every occurrence of macro by value, resuming after each inserted
// value so that a value holding the macro cannot loop.
std::string ReplaceAll(const std::string& text, std::string_view macro, std::string_view value,
                       bool dropEndingBackslash) {
    std::string out;
    size_t from = 0;
    for (;;) {
        size_t found = FindI(std::string_view(text).substr(from), macro);
        if (found == std::string_view::npos || out.size() > kWorkingLimit) break;
        out.append(text, from, found);
        out.append(value);
        if (dropEndingBackslash && EndsWithBackslash(out)) out.pop_back();
        from += found + macro.size();
    }
    out.append(text, from, std::string::npos);
    return Cut(std::move(out), kWorkingLimit);
}

// Removes the first occurrence only; true when there was one.
bool RemoveFirst(std::string* text, std::string_view macro) {
    size_t found = FindI(*text, macro);
    if (found == std::string_view::npos) return false;
    text->erase(found, macro.size());
    return true;
}

// The folder's own name: its last component, split like a file name.
std::string FolderName(const PathParts& parts) {
    std::string folder = parts.drive + parts.folder;
    if (EndsWithBackslash(folder)) folder.pop_back();
    return SplitPath(folder).name;
}

// "%M" wins over "%T"; whether either is quoted is read where it is replaced.
MarkedList MarkedListOf(std::string_view text) {
    if (ContainsI(text, "%M")) return MarkedList::arguments;
    if (ContainsI(text, "%T")) return MarkedList::text;
    return MarkedList::none;
}

}  // namespace

Expansion ExpandMacros(std::string_view templateText, std::string_view path, int lineNumber) {
    Expansion result;
    std::string text = Cut(std::string(templateText), kExpandedLimit);
    const PathParts parts = SplitPath(path);
    const std::string driveAndFolder = parts.drive + parts.folder;

    text = ReplaceAll(text, "%P", path, false);
    text = ReplaceAll(text, "%D", driveAndFolder, false);
    text = ReplaceAll(text, "%-D", driveAndFolder, true);
    text = ReplaceAll(text, "%F", FolderName(parts), false);
    text = ReplaceAll(text, "%N", parts.name + parts.extension, false);
    text = ReplaceAll(text, "%E", parts.extension, false);
    text = ReplaceAll(text, "%A", parts.name, false);
    text = ReplaceAll(text, "%B", driveAndFolder + parts.name, false);

    if (RemoveFirst(&text, "%C")) result.copyRequest = CopyRequest::pageLines;
    if (RemoveFirst(&text, "%X")) result.copyRequest = CopyRequest::wholeFile;

    text = ReplaceAll(text, "%$J", std::to_string(lineNumber), false);
    const int window = static_cast<int>(reinterpret_cast<intptr_t>(process::previousForeground));
    text = ReplaceAll(text, "%$W", std::to_string(window), false);

    result.text = Cut(std::move(text), kExpandedLimit);
    result.markedList = MarkedListOf(result.text);
    return result;
}

}  // namespace qv
