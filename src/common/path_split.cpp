#include "common/path_split.h"

#include "common/text.h"

namespace qv {

PathParts SplitPath(std::string_view path) {
    path = path.substr(0, CharBoundary(path, 260));
    PathParts parts;
    size_t start = 0;
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        parts.drive = std::string(path.substr(0, 2));
        start = 2;
    }
    size_t lastSeparator = std::string_view::npos;
    size_t lastDot = std::string_view::npos;
    for (size_t i = start; i < path.size();) {
        unsigned char c = path[i];
        if (IsLeadByte(c) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (c == '\\' || c == '/') {
            lastSeparator = i;
            lastDot = std::string_view::npos;
        } else if (c == '.') {
            lastDot = i;
        }
        ++i;
    }
    size_t nameStart = start;
    if (lastSeparator != std::string_view::npos) {
        parts.folder = std::string(path.substr(start, lastSeparator + 1 - start));
        nameStart = lastSeparator + 1;
    }
    size_t nameEnd = lastDot != std::string_view::npos ? lastDot : path.size();
    parts.name = std::string(path.substr(nameStart, nameEnd - nameStart));
    parts.extension = std::string(path.substr(nameEnd));
    return parts;
}

std::string QuoteSpaces(std::string_view path) {
    // A space byte is never the second byte of a double-byte character.
    if (path.find(' ') == std::string_view::npos) return std::string(path);
    return '"' + std::string(path) + '"';
}

}  // namespace qv
