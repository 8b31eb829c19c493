// The [system] section: its keywords, and the defaults they start from.
#pragma once
#include <string_view>

namespace qv {

// The defaults of the fields that only the settings file sets.
void ApplyDefaults();
// Interprets the [system] section of the settings content; afterwards the
// fields that neither a switch nor a line set get their defaults.
void ReadSystemSection(std::string_view content);

}  // namespace qv
