// Expansion of the macros of a launcher's argument template.
#pragma once
#include <string>
#include <string_view>

namespace qv {

constexpr size_t kExpandedLimit = 1039;

// How the marked lines enter the command: "%M" as arguments, "%T" as one text.
enum class MarkedList { none, arguments, text };
// What "%C" (the page's lines) or "%X" (the whole filtered file) asks to copy first.
enum class CopyRequest { none, pageLines, wholeFile };

struct Expansion {
    std::string text;  // at most 1039 bytes
    MarkedList markedList = MarkedList::none;
    CopyRequest copyRequest = CopyRequest::none;
};

Expansion ExpandMacros(std::string_view templateText, std::string_view path, int lineNumber);

}  // namespace qv
