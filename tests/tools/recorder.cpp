// A stand-in for a launched program: appends its exact command line and its
// working folder, a line each, to "<its own path>.log", as raw ANSI bytes.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char self[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, folder);
    // One write, so that a reader sees both lines or neither.
    const std::string entry = std::string(GetCommandLineA()) + "\n" + folder + "\n";
    FILE* log = std::fopen((std::string(self) + ".log").c_str(), "ab");
    return log && std::fwrite(entry.data(), 1, entry.size(), log) == entry.size() && std::fclose(log) == 0 ? 0 : 1;
}
