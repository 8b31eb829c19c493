#include "menu/menu_tables.h"

#include <string>

#include "common/state.h"
#include "lines/filters.h"
#include "settings/launchers.h"

namespace qv {

namespace {

// What the submenu of an item holds.
enum class Opens { nothing, fileCommands, launchers, keywordSets };

struct MenuRow {
    unsigned flags;     // os::kMfString or os::kMfSeparator
    unsigned id;
    const char* label;  // the launchers' item shows the first launcher's label
    Opens opens = Opens::nothing;
};

constexpr unsigned kItem = os::kMfString, kLine = os::kMfSeparator;
constexpr const char* kSettingsLabel = "&S 設定ファイル";
constexpr const char* kManualLabel = "&H 説明書";
constexpr const char* kVersionLabel = "&0 Ver.1.06";

//                            flags  id                  label           opens
constexpr MenuRow kFixedItems[] = {
                             {kItem, cmdSettingsFile,    kSettingsLabel},
                             {kItem, cmdManual,          kManualLabel},
                             {kLine, cmdFixedSeparator,  nullptr},
                             {kItem, cmdVersion,         kVersionLabel},
};
constexpr MenuRow kNestedFixedItems[] = {
                             {kLine, cmdFixedSeparator,  nullptr},
                             {kItem, cmdVersion,         kVersionLabel,  Opens::fileCommands},
};
constexpr MenuRow kFileCommands[] = {
                             {kItem, cmdSettingsFile,    kSettingsLabel},
                             {kItem, cmdManual,          kManualLabel},
};
constexpr MenuRow kSubmenuNavigation[] = {
                             {kLine, cmdPageSeparator,   nullptr},
                             {kItem, cmdNextInSubmenu,   "&> Next"},
                             {kItem, cmdReturnInSubmenu, "&< Return"},
                             {kLine, cmdPageSeparator,   nullptr},
                             {kItem, cmdLauncherMenu,    nullptr,        Opens::launchers},
                             {kLine, cmdPageSeparator,   nullptr},
                             {kItem, cmdGrepMenu,        "&0 grep",      Opens::keywordSets},
};
constexpr MenuRow kPageNavigation[] = {
                             {kLine, cmdPageSeparator,   nullptr},
                             {kItem, cmdNextOnPage,      "&> Next"},
                             {kItem, cmdReturnOnPage,    "&< Return"},
                             {kLine, cmdPageSeparator,   nullptr},
                             {kItem, cmdLauncherMenu,    nullptr,        Opens::launchers},
                             {kLine, cmdPageSeparator,   nullptr},
                             {kItem, cmdGrepMenu,        "&0 grep",      Opens::keywordSets},
};
// The keyword sets follow, after a separator when any set has words.
constexpr MenuRow kKeywordSetsHead[] = {
                             {kItem, cmdGrepAll,         "&all"},
};

// A fixed item never takes an id that the dispatch reads as a launcher, a
// file, a line or a keyword set.
template <size_t N>
constexpr bool OutsideTheNumberedRanges(const MenuRow (&rows)[N]) {
    for (const MenuRow& row : rows)
        if (InRange(row.id, cmdLauncherFirst, cmdLauncherLast) || InRange(row.id, cmdFileFirst, cmdFileLast) ||
            InRange(row.id, cmdLineFirst, cmdLineLast) || InRange(row.id, cmdGrepSetFirst, cmdGrepSetLast))
            return false;
    return true;
}
static_assert(OutsideTheNumberedRanges(kFixedItems) && OutsideTheNumberedRanges(kNestedFixedItems) &&
                  OutsideTheNumberedRanges(kFileCommands) && OutsideTheNumberedRanges(kSubmenuNavigation) &&
                  OutsideTheNumberedRanges(kPageNavigation) && OutsideTheNumberedRanges(kKeywordSetsHead),
              "fixed items keep out of the numbered ranges");

template <size_t N>
void AppendRows(os::Menu menu, const MenuRow (&rows)[N]);

void AppendLaunchers(os::Menu submenu) {
    ReadLaunchers(kMaxLaunchers);
    const int count = process::launcherCount < kMaxLaunchers ? process::launcherCount : kMaxLaunchers;
    for (int i = 0; i < count; ++i)
        os::AppendMenuItem(submenu, i == 0 ? os::kMfChecked : os::kMfString, cmdLauncherFirst + unsigned(i),
                           process::launchers[i].label.c_str());
}

void AppendKeywordSets(os::Menu submenu) {
    AppendRows(submenu, kKeywordSetsHead);
    const KeywordSets& sets = process::settings.keywordSets;
    bool separated = false;
    for (int set = 0; set < kKeywordSetCount; ++set) {
        if (sets.wordCount[set] <= 0) continue;
        if (!separated) os::AppendMenuItem(submenu, os::kMfSeparator, cmdPageSeparator, nullptr);
        separated = true;
        const unsigned flags = sets.selected[set] == 1 ? os::kMfChecked : os::kMfString;
        os::AppendMenuItem(submenu, flags, cmdGrepSetFirst + unsigned(set), KeywordSetLabel(set).c_str());
    }
}

void AttachSubmenu(os::Menu menu, const MenuRow& row) {
    os::Menu submenu = os::CreatePopupMenu();
    if (!submenu) return;
    switch (row.opens) {
    case Opens::nothing: break;
    case Opens::fileCommands: AppendRows(submenu, kFileCommands); break;
    case Opens::launchers: break;  // filled when it opens: FillLauncherSubmenu
    case Opens::keywordSets: AppendKeywordSets(submenu); break;
    }
    if (!os::SetMenuItemSubmenu(menu, row.id, submenu)) os::DestroyMenu(submenu);
}

template <size_t N>
void AppendRows(os::Menu menu, const MenuRow (&rows)[N]) {
    for (const MenuRow& row : rows) {
        if (row.opens == Opens::launchers) ReadLaunchers(1);
        const char* label = row.opens == Opens::launchers ? process::launchers[0].label.c_str() : row.label;
        os::AppendMenuItem(menu, row.flags, row.id, label);
        if (row.opens != Opens::nothing) AttachSubmenu(menu, row);
    }
}

}  // namespace

void AppendFixedItems(os::Menu menu, bool nested) {
    if (nested) AppendRows(menu, kNestedFixedItems);
    else AppendRows(menu, kFixedItems);
}

void FillLauncherSubmenu(os::Menu submenu) {
    if (os::GetMenuItemCount(submenu) == 0) AppendLaunchers(submenu);
}

void AppendNavigationItems(os::Menu menu, bool onPage) {
    if (onPage) AppendRows(menu, kPageNavigation);
    else AppendRows(menu, kSubmenuNavigation);
}

}  // namespace qv
