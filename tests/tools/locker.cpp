// Holds a file open without sharing, as an editor or a backup program may.
//   locker.exe PATH SECONDS   prints "locked" once the file is held, then waits.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("failed %lu\n", GetLastError());
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    Sleep(DWORD(std::atoi(argv[2])) * 1000);
    CloseHandle(file);
    return 0;
}
