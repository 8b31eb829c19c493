// Fills the menu item table and the launcher table the way a built page leaves them.
#pragma once
#include <initializer_list>
#include <string>

#include "common/state.h"

namespace testing_items {

// Item k gets the line number 10 + k.
inline void SetLines(std::initializer_list<std::string> lines) {
    qv::process::menuItems.itemCount = 0;
    qv::process::menuItems.markedCount = 0;
    for (const auto& line : lines) {
        qv::MenuItem& item = qv::process::menuItems.items[qv::process::menuItems.itemCount];
        item.text = line;
        item.fullText = line;
        item.marked = 0;
        item.lineNumber = 10 + qv::process::menuItems.itemCount;
        ++qv::process::menuItems.itemCount;
    }
    qv::process::menuItems.linesScanned = qv::process::menuItems.itemCount;
}

inline void Mark(std::initializer_list<int> items) {
    for (int k : items) {
        qv::process::menuItems.items[k].marked = 1;
        ++qv::process::menuItems.markedCount;
    }
}

inline void SetLauncher(int k, const char* target, const char* parameters) {
    qv::process::launchers[k].target = target;
    qv::process::launchers[k].label = target;
    qv::process::launchers[k].parameters = parameters;
    if (qv::process::launcherCount <= k) qv::process::launcherCount = k + 1;
}

inline void SetCurrentFile(const char* path) {
    qv::process::fileList[0].path = path;
    qv::process::fileCount = 1;
    qv::process::currentFile = 0;
}

}  // namespace testing_items
