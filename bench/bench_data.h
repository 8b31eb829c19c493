// The files the benchmarks read, made on the fly in one folder that is removed
// at the end.
#pragma once
#include <cstdint>
#include <string>

namespace bench {

// The folder (no trailing slash); made on first use from $QV_BENCH_DATA, else ./bench-data.
const std::string& DataFolder();
void RemoveDataFolder();

// Log-like lines of about lineLength bytes, lines of 1 in 50 name the word
// "Timeout", up to total bytes; then, past dataBytes, a sparse tail up to total.
// Returns the path; made only once per name.
// With utf8, every line also holds Japanese text as UTF-8.
std::string LogFile(const std::string& name, uint64_t dataBytes, uint64_t total, size_t lineLength,
                    bool utf8 = false);
// A settings file of about total bytes: options, many comment lines, 20 launchers.
std::string SettingsFile(uint64_t total);
// folders x filesEach files, txtEach of them ".txt" in each folder.
std::string FileTree(int folders, int filesEach, int txtEach);

}  // namespace bench
