// Entry point: derive the paths, create the hidden window, run the message loop.
#include <windows.h>

#include "app/window_proc.h"
#include "common/program_paths.h"
#include "common/state.h"
#include "menu/hooks.h"
#include "menu/tracking.h"

// The hooks and the menu handlers decide on these values as Windows gives them.
static_assert(qv::kWmRButtonDown == WM_RBUTTONDOWN && qv::kWmRButtonUp == WM_RBUTTONUP &&
              qv::kWmMButtonDown == WM_MBUTTONDOWN && qv::kWmMButtonUp == WM_MBUTTONUP &&
              qv::kHcNoRemove == HC_NOREMOVE && qv::kMfMouseSelect == MF_MOUSESELECT);

namespace {

// Libraries loaded by name come from the system folder only, never from the
// program's folder (often Downloads, where any page can drop a file) or the
// current one. Systems before Windows 8 may lack the first call.
void LoadLibrariesFromSystemOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryA("");
}

bool RegisterMainClass(HINSTANCE instance, const char* className) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    // No icon: the window is never shown, and loading it costs a noticeable part
    // of the start. The program's icon for Explorer stays in its resources.
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

bool CreateMainWindow(HINSTANCE instance, const char* className) {
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES | WS_EX_TOPMOST, className, className,
                                  WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, 32, 32, nullptr, nullptr, instance,
                                  nullptr);
    if (!window) return false;
    ShowWindow(window, SW_HIDE);
    UpdateWindow(window);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int) {
    LoadLibrariesFromSystemOnly();
    char exePath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    qv::InitProgramPaths(exePath, commandLine ? commandLine : "");
    const char* className = qv::process::programPaths.baseName.c_str();
    if (!previousInstance && !RegisterMainClass(instance, className)) return 0;
    if (!CreateMainWindow(instance, className)) return 0;
    MSG message{};
    // GetMessageA returns -1 on an error: the loop ends then too.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
