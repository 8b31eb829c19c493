// The benchmarks' real files under the fake OS of the tests.
#pragma once
#include <string>

namespace bench {

// Paths under windowsPrefix (any case) name the host folder's files and
// folders from then on, a backslash read as '/'.
void MountHostFolder(const std::string& windowsPrefix, const std::string& hostFolder);

}  // namespace bench
