// Fills the menu item table and the launcher table the way a built page leaves them.
#pragma once
#include <initializer_list>
#include <string>

#include "common/state.h"

namespace testing_items {

// Item k gets the line number 10 + k.
inline void SetLines(std::initializer_list<std::string> lines) {
    qv::menuItems.itemCount = 0;
    qv::menuItems.markedCount = 0;
    for (const auto& line : lines) {
        qv::MenuItem& item = qv::menuItems.items[qv::menuItems.itemCount];
        item.text = line;
        item.fullText = line;
        item.marked = 0;
        item.lineNumber = 10 + qv::menuItems.itemCount;
        ++qv::menuItems.itemCount;
    }
    qv::menuItems.linesScanned = qv::menuItems.itemCount;
}

inline void Mark(std::initializer_list<int> items) {
    for (int k : items) {
        qv::menuItems.items[k].marked = 1;
        ++qv::menuItems.markedCount;
    }
}

inline void SetLauncher(int k, const char* target, const char* parameters) {
    qv::launchers[k].target = target;
    qv::launchers[k].label = target;
    qv::launchers[k].parameters = parameters;
    if (qv::launcherCount <= k) qv::launcherCount = k + 1;
}

inline void SetCurrentFile(const char* path) {
    qv::fileList[0].path = path;
    qv::fileCount = 1;
    qv::currentFile = 0;
}

}  // namespace testing_items
