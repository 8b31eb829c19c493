// Command identifiers of every menu of the program, with their ranges.
#pragma once

namespace qv {

enum CommandId : unsigned {
    cmdNone = 0,
    cmdVersion = 1010,         // "&0 Ver.1.06"
    cmdSettingsFile = 1020,    // "&S 設定ファイル"
    cmdManual = 1030,          // "&H 説明書"
    cmdLauncherMenu = 1040,    // opens the launcher submenu
    cmdLauncherFirst = 1050,   // + k, k = 0..19
    cmdLauncherLast = 1069,
    cmdFixedSeparator = 1999,
    cmdFileFirst = 2000,       // + i, i = 0..199: file i of the folder list
    cmdFileLast = 2199,
    cmdFolderSeparator = 2999,
    cmdTitle = 3000,           // "&@ name.ext", also "non file"
    cmdNextInSubmenu = 3001,
    cmdReturnInSubmenu = 3002,
    cmdNextOnPage = 3005,
    cmdReturnOnPage = 3006,
    cmdMessage = 3010,         // "read error", "non grep", "non line", "non data"
    cmdPageSeparator = 3099,
    cmdLineFirst = 5000,       // + n: line item n of the MenuItemTable
    cmdLineLast = 5999,
    cmdGrepMenu = 6000,
    cmdGrepAll = 6001,
    cmdGrepSetFirst = 6010,    // + i, i = 0..9
    cmdGrepSetLast = 6019,
};

constexpr int kMaxLaunchers = 20;
constexpr int kMaxFiles = 200;
constexpr int kMaxMenuItems = 1000;
constexpr int kKeywordSetCount = 10;
constexpr int kMaxWordsPerSet = 10;
constexpr int kMaxExtensions = 20;

static_assert(cmdLauncherLast - cmdLauncherFirst + 1 == kMaxLaunchers, "launcher ids");
static_assert(cmdFileLast - cmdFileFirst + 1 == kMaxFiles, "file ids");
static_assert(cmdLineLast - cmdLineFirst + 1 >= kMaxMenuItems, "line ids");
static_assert(cmdGrepSetLast - cmdGrepSetFirst + 1 == kKeywordSetCount, "keyword set ids");

constexpr bool InRange(unsigned id, unsigned first, unsigned last) { return id >= first && id <= last; }

}  // namespace qv
