// The records of one run put back as a program starts with them, the view
// styles at their defaults: each test and fuzz run starts as a fresh program.
#pragma once
#include <new>

#include "common/defaults.h"
#include "common/state.h"

namespace qv {

// Rebuilt in place: the tables are too large for a temporary on a thread's stack.
template <class T> void Reinit(T& object) { object.~T(); new (&object) T(); }
template <class T, size_t N> void Reinit(T (&array)[N]) { for (auto& element : array) Reinit(element); }

inline void ResetProcessState() {
    namespace p = process;
    Reinit(p::programPaths); Reinit(p::screenMetrics); Reinit(p::menuState); Reinit(p::settings);
    Reinit(p::launchers); Reinit(p::pendingLaunchers); Reinit(p::menuItems); Reinit(p::menuPlacement);
    Reinit(p::activeStyle); Reinit(p::fileList); Reinit(p::startPath);
    p::settings.submenuStyle = defaults::SubmenuStyle();
    p::settings.rootStyle = defaults::RootStyle();
    p::mainWindow = p::previousForeground = nullptr;
    p::launcherCount = p::currentLauncher = p::fileCount = p::currentFile = p::startMode = p::clipboardPrefix = 0;
}

}  // namespace qv
