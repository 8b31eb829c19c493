// A stand-in for a launched program: appends its exact command line and its
// working folder to "<its own path>.log", as raw ANSI bytes.
#include <windows.h>

#include <cstdio>

int main() {
    char self[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, folder);
    char logPath[MAX_PATH + 8];
    wsprintfA(logPath, "%s.log", self);
    FILE* log = std::fopen(logPath, "ab");
    if (!log) return 1;
    std::fprintf(log, "cmdline=%s\ncwd=%s\n--\n", GetCommandLineA(), folder);
    std::fclose(log);
    return 0;
}
