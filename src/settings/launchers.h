// The launcher table of the [exec] section.
#pragma once
#include <string_view>

namespace qv {

// Takes the [exec] section of the settings content and empties the launcher
// table; ReadLaunchers fills it.
void ReadExecSection(std::string_view content);
// Reads the section until the table holds count entries (kMaxLaunchers: all
// of it); entries already read stay as they are.
void ReadLaunchers(int count);

}  // namespace qv
