// The records of one run put back as a program starts with them, the view
// styles at their defaults: each test and fuzz run starts as a fresh program.
#pragma once
#include <new>

#include "common/defaults.h"
#include "common/state.h"

namespace qv {

namespace reset_detail {
// Rebuilt in place: the tables are too large for a temporary on a thread's stack.
template <class T>
void Reinit(T& object) {
    object.~T();
    new (&object) T();
}
template <class T, size_t N>
void Reinit(T (&array)[N]) {
    for (auto& element : array) Reinit(element);
}
}  // namespace reset_detail

inline void ResetProcessState() {
    using reset_detail::Reinit;
    Reinit(process::programPaths);
    Reinit(process::screenMetrics);
    process::mainWindow = process::previousForeground = nullptr;
    Reinit(process::menuState);
    Reinit(process::settings);
    process::settings.submenuStyle = defaults::SubmenuStyle();
    process::settings.rootStyle = defaults::RootStyle();
    Reinit(process::launchers);
    Reinit(process::pendingLaunchers);
    process::launcherCount = process::currentLauncher = 0;
    Reinit(process::menuItems);
    Reinit(process::menuPlacement);
    Reinit(process::activeStyle);
    Reinit(process::fileList);
    process::fileCount = process::currentFile = 0;
    process::startPath.clear();
    process::startMode = process::clipboardPrefix = 0;
}

}  // namespace qv
