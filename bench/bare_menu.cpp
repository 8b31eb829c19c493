// The least a program can do to show a popup menu: one hidden window and a
// menu of 30 items at the centre of the screen. Qivora's start-up is measured
// against it. With "keep" on its command line it only keeps a hidden window
// open, so that Wine's desktop process does not end between the measured starts.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "bare_menu";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "bare_menu", "bare_menu", WS_POPUP, 0, 0, 32,
                                  32, nullptr, nullptr, instance, nullptr);
    if (commandLine && std::strstr(commandLine, "keep")) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        return 0;
    }
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < 30; ++i) {
        char label[32];
        std::snprintf(label, sizeof label, "&%c item %d", 'A' + i % 26, i + 1);
        AppendMenuA(menu, MF_STRING, 5000 + i, label);
    }
    SetForegroundWindow(window);
    TrackPopupMenu(menu, TPM_CENTERALIGN | TPM_VCENTERALIGN | TPM_RETURNCMD, GetSystemMetrics(SM_CXSCREEN) / 2,
                   GetSystemMetrics(SM_CYSCREEN) / 2, 0, window, nullptr);
    DestroyMenu(menu);
    DestroyWindow(window);
    return 0;
}
