// Prints "SECONDS WINDOW" (CLOCK_MONOTONIC, X window id) for every window mapped
// on the root window of $DISPLAY, one line each, flushed at once. The start-up
// measurement reads it: polling the window list would itself slow the runs.
#include <X11/Xlib.h>
#include <cstdio>
#include <ctime>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XFlush(display);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) continue;
        struct timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%.6f %lu\n", now.tv_sec + now.tv_nsec / 1e9, static_cast<unsigned long>(event.xmap.window));
        std::fflush(stdout);
    }
}
