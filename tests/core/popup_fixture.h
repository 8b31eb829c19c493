// A screen, a placement mode and scripted choices for tests of the popup menu.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/state.h"
#include "fake_os.h"
#include "menu/popup.h"

namespace qv {

struct PopupTest : ::testing::Test {
    os::Window window = reinterpret_cast<os::Window>(0x1000);
    std::vector<std::vector<std::string>> shown;  // the root labels of each showing

    void SetUp() override {
        fake::Reset();
        shown.clear();
        screenMetrics.screenWidth = 1279;
        screenMetrics.maximizedHeight = 1001;
        screenMetrics.mouseButtons = 3;
        settings.positionMode = positionCenter;
    }
    // The next showing records its labels, runs what the user does, then returns command.
    template <class Action>
    void Choose(int command, Action action) {
        fake::trackScripts.push_back([this, command, action](os::Menu menu) {
            shown.push_back(fake::Labels(menu));
            action(menu);
            return command;
        });
    }
    void Choose(int command) { Choose(command, [](os::Menu) {}); }
    void SetFiles(int count, int current) {
        for (int i = 0; i < count; ++i) {
            fileList[i].path = "C:\\t\\f" + std::to_string(i) + ".txt";
            fake::AddFile(fileList[i].path.c_str(), "a\nb\nc\n");  // four lines: the last is empty
        }
        fileCount = count;
        currentFile = current;
    }
    static bool IsFolderList(const std::vector<std::string>& labels) {
        return !labels.empty() && labels.back() == "&0 Ver.1.06";
    }
    void SetItems(int count) {
        for (int n = 0; n < count; ++n) menuItems.items[n].fullText = "line " + std::to_string(n);
        menuItems.itemCount = count;
    }
};

}  // namespace qv
