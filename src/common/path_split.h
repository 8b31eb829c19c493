// Paths read as cp932: split into drive, folder, name and extension, and quoted.
#pragma once
#include <string>
#include <string_view>

namespace qv {

struct PathParts {
    std::string drive;      // "C:" or empty
    std::string folder;     // up to and including the last '\' or '/'
    std::string name;       // last component up to its last dot
    std::string extension;  // from the last dot, dot included; empty without one
};

// Only the first 260 bytes of the path are considered.
PathParts SplitPath(std::string_view path);

// The path enclosed in double quotes when it holds a space, so that it stays
// one argument on a command line.
std::string QuoteSpaces(std::string_view path);

}  // namespace qv
