// The hidden window: start-up, the start timer and the messages of the open menu.
#include "app/window_proc.h"

#include "app/owner_draw.h"
#include "common/program_paths.h"
#include "common/state.h"
#include "menu/start.h"
#include "menu/tracking.h"

namespace {

constexpr UINT_PTR kStartTimer = 610;

// The run's start menu has been shown: a tick already due when the first one
// was handled must not show it again.
bool startMenuShown = false;

os::Window Seam(HWND window) { return reinterpret_cast<os::Window>(window); }
os::Menu Seam(HMENU menu) { return reinterpret_cast<os::Menu>(menu); }

// The screen's size, the mouse and how many menu items fit in one column.
void ReadScreenMetrics() {
    qv::ScreenMetrics& metrics = qv::process::screenMetrics;
    metrics.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    metrics.maximizedHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    metrics.mouseButtons = GetSystemMetrics(SM_CMOUSEBUTTONS);
    NONCLIENTMETRICSA nonClient{};
    nonClient.cbSize = sizeof(nonClient);
    int fontHeight = -12;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(nonClient), &nonClient, 0))
        fontHeight = nonClient.lfMenuFont.lfHeight;
    metrics.itemsPerPage = qv::ComputeItemsPerPage(metrics.maximizedHeight, fontHeight);
}

// A zero elapse still waits for the timer minimum (10 ms, or a clock tick), so
// the first tick is posted at once; the timer stays armed should posting fail.
void ArmStartTimer(HWND window) {
    SetTimer(window, kStartTimer, 0, nullptr);
    PostMessageA(window, WM_TIMER, kStartTimer, 0);
}

LRESULT OnCreate(HWND window) {
    ReadScreenMetrics();
    if (qv::StartUp(Seam(window))) ArmStartTimer(window);
    else SendMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

void OnStartTimer(HWND window) {
    KillTimer(window, kStartTimer);
    if (startMenuShown) return;
    startMenuShown = true;
    qv::ShowStartMenu(Seam(window));
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_TIMER:
        if (wParam == kStartTimer) OnStartTimer(window);
        return 0;
    case WM_INITMENU:
        qv::OnInitMenu();
        return 0;
    case WM_INITMENUPOPUP:
        qv::OnInitMenuPopup(Seam(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam));
        return 0;
    case WM_ENTERIDLE:
        qv::OnEnterIdle();
        return 0;
    case WM_MENUSELECT:
        qv::OnMenuSelect(static_cast<uint32_t>(wParam), Seam(reinterpret_cast<HMENU>(lParam)));
        return 0;
    case WM_KILLFOCUS:
        qv::OnKillFocus(Seam(window));
        return 0;
    case WM_LBUTTONDOWN:
        return qv::OnLButtonDown();
    case WM_MEASUREITEM:
        MeasureOwnerDrawItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return 0;
    case WM_DRAWITEM:
        DrawOwnerDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
