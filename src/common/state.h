// The process-wide records of one run. Each table keeps its count beside it.
#pragma once
#include <cstdint>
#include <deque>
#include <string>

#include "common/command_ids.h"
#include "common/encoding.h"
#include "common/fixed_text.h"
#include "os/os.h"

namespace qv {

using PathText = FixedText<260>;

struct ProgramPaths {
    PathText exePath;
    PathText exeFolder;  // ends in a backslash
    PathText baseName;   // also the window class name and title
    PathText settingsFileName;
    PathText settingsPath;
    PathText manualPath;
    std::string commandLine;
};

struct ScreenMetrics {
    int screenWidth = 0;
    int maximizedHeight = 0;
    int mouseButtons = 0;  // 0: no mouse
    int itemsPerPage = 1;
};

struct MenuState {
    int menuOpen = 0;
    int focusLossPending = 0;
    uint16_t lastSelectedItem = 0;  // an id; cmdNone for an item that opens a submenu
    os::Menu lastSelectedMenu = nullptr;
    int lastSelectByMouse = 0;
    int alternateChoice = 0;
    // The key the keyboard hook acted on while it was only looked at (HC_NOREMOVE),
    // so that its removal (HC_ACTION) is swallowed without acting twice.
    unsigned keyActedEarly = 0;
    uint32_t keyActedEarlyData = 0;
    // The button press the mouse hook acted on, so that its release, which the
    // menu would take for a choice, is swallowed too.
    unsigned buttonActedOn = 0;
};

enum PositionMode {
    positionActive = 0,
    positionFixed = 1,
    positionMouse = 2,
    positionMouse2 = 3,
    positionCenter = 4,
    positionUnset = 9,
};

// The display style of file submenus or text pages; defaults.h gives the values
// a run starts with.
struct ViewStyle {
    int customFont = 0;
    FixedText<128> fontFace;
    int fontHeight = 0;
    int fontWeight = 0;
    int fontItalic = 0;
    int tabWidth = 0;
    int firstLine = 0;
    int pageSize = 0;
    int itemWidth = 0;
    int lineNumbers = 0;
};

struct KeywordSets {
    PathText words[kKeywordSetCount][kMaxWordsPerSet];
    int wordCount[kKeywordSetCount] = {};
    int selected[kKeywordSetCount] = {};  // 0 no, 1 selected, 2 requested by the command line
    int selectedCount = 0;
    int filterActive = 0;
};

struct Settings {
    int positionMode = positionUnset;
    int fixedX = 0;
    int fixedY = 0;
    ViewStyle submenuStyle;
    ViewStyle rootStyle;
    int includeSubfolders = 0;
    int sortByFilter = 0;
    int folderGrouping = 0;
    PathText extensionFilters[kMaxExtensions];
    int extensionFilterCount = 0;
    PathText editorPath;
    FixedText<5200> searchPath;
    int searchPathSet = 0;
    KeywordSets keywordSets;
    CodeMode codeMode = CodeMode::automatic;
};

struct LauncherEntry {
    PathText target;
    PathText label;
    PathText parameters;
};

// The lines of the [exec] section not yet read into the launcher table: an
// entry's program is looked up only when the table is needed that far.
struct PendingLaunchers {
    std::deque<std::string> lines;
    bool open = false;  // some of the section is still to be read
};

struct MenuItem {
    FixedText<520> text;       // the label shown ('&' replaced by '?')
    FixedText<1040> fullText;  // the whole line, tabs kept: what is delivered
    int marked = 0;
    int lineNumber = 0;
};

struct MenuItemTable {
    MenuItem items[kMaxMenuItems];
    int itemCount = 0;
    int markedCount = 0;
    int linesScanned = 0;
};

struct MenuPlacement {
    int x = 0;
    int y = 0;
    unsigned flags = 0;
    int dpi = 0;  // of the menu's monitor, which the owner-drawn font's height follows; 0 unknown
};

struct FileEntry {
    FixedText<520> path;
    int folderNumber = 0;
    int filterIndex = 0;
};

enum MenuType { fixedOnly = 0, folderList = 1, textPage = 2, folderListAgain = 3, textPageAgain = 4 };

// The records of one run, shared by the subsystems: named process:: at every
// use so that they never pass for locals.
namespace process {
extern ProgramPaths programPaths;
extern ScreenMetrics screenMetrics;
extern os::Window mainWindow;
extern os::Window previousForeground;
extern MenuState menuState;
extern Settings settings;
extern LauncherEntry launchers[kMaxLaunchers];
extern int launcherCount;
extern PendingLaunchers pendingLaunchers;
extern int currentLauncher;
extern MenuItemTable menuItems;
extern MenuPlacement menuPlacement;
extern ViewStyle activeStyle;
extern FileEntry fileList[kMaxFiles];
extern int fileCount;
extern int currentFile;
extern PathText startPath;
extern int startMode;
extern int clipboardPrefix;
}  // namespace process

// The path of fileList[currentFile]; empty when currentFile is outside the table.
const char* CurrentFilePath();

}  // namespace qv
