#include "app/screen_metrics.h"

#include <windows.h>

#include "common/screen.h"
#include "common/state.h"

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
