// A machine with the program in C:\app\ and a settings file beside it.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/defaults.h"
#include "common/state.h"
#include "fake_os.h"
#include "settings/launchers.h"
#include "settings/load_settings.h"
#include "settings/switches.h"

namespace qv {

// The words of keyword set i, in order.
inline std::vector<std::string> Words(int set) {
    const KeywordSets& sets = process::settings.keywordSets;
    return std::vector<std::string>(sets.words[set], sets.words[set] + sets.wordCount[set]);
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        process::screenMetrics.screenWidth = 1920;
        process::screenMetrics.maximizedHeight = 1040;
        process::screenMetrics.mouseButtons = 3;
        process::programPaths.exeFolder = "C:\\app\\";
        process::programPaths.baseName = "Qivora";
        process::programPaths.settingsPath = "C:\\app\\Qivora.ini";
        process::settings.submenuStyle = defaults::SubmenuStyle();
        process::settings.rootStyle = defaults::RootStyle();
    }

    // The start of a run: switches first, then the settings file.
    bool Run(const std::string& commandLine, const std::string& ini) {
        fake::AddFile("C:\\app\\Qivora.ini", ini);
        if (!commandLine.empty()) {
            ApplySwitches(commandLine);
            FindStartPath(commandLine);
        }
        const bool loaded = LoadSettings(nullptr);
        ReadLaunchers(kMaxLaunchers);
        return loaded;
    }
};

}  // namespace qv
