// A library planted beside a program under a system library's name: when it is
// loaded, it leaves "<its own path>.loaded".
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH + 8];
        lstrcpyA(path + GetModuleFileNameA(self, path, MAX_PATH), ".loaded");
        CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
