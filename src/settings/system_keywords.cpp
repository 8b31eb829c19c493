#include "settings/system_keywords.h"

#include <string>

#include "common/defaults.h"
#include "common/state.h"
#include "common/text.h"
#include "settings/option_values.h"
#include "settings/program_lookup.h"
#include "settings/section.h"

namespace qv {

namespace {

// One [system] keyword. set is the digit of "@grep#=", -1 for the others.
struct SystemKeyword {
    std::string_view keyword;  // '#' stands for any digit
    size_t leastValue;         // a shorter value leaves the line unread
    bool (*setBySwitch)(int set);  // the switch's value stands: the line is skipped
    void (*apply)(std::string_view value, int set);
};

template <void (*parse)(std::string_view)>
void Value(std::string_view value, int) { parse(value); }
void IncludeSubfolders(std::string_view, int) { process::settings.includeSubfolders = 1; }
void KeywordSet(std::string_view value, int set) { ParseKeywordSet(value, set); }

bool PositionGiven(int) { return process::settings.positionMode != positionUnset; }
bool ExtensionsGiven(int) { return process::settings.extensionFilterCount != 0; }
bool SetSelected(int set) { return process::settings.keywordSets.selected[set] == 1; }

// Compared in this order, ignoring case; the first keyword that starts the
// line decides, even when the line is not taken. Defaults and ranges are in
// common/defaults.h, what each field means above its parser.
//                                      least  taken from a
//   keyword                            value  switch instead   parser
constexpr SystemKeyword kSystemKeywords[] = {
    // "@path=" folder;folder;...  or the name of a file that holds such a list
    {"@path=",                          1,     nullptr,         Value<ApplySearchPathOption>},
    // "@menu=" mouse | mous2 | center | active | x,y   (x, y: a number or MAX)
    {"@menu=",                          3,     PositionGiven,   Value<ParseMenuOption>},
    // "@font=" face,height,weight,italic  for file submenus, then four more for text pages
    {"@font=",                          1,     nullptr,         Value<ParseFontOption>},
    // "@text=" tab,first,page,width,numbers  for file submenus, then five more for text pages
    {"@text=",                          1,     nullptr,         Value<ParseTextOption>},
    // "@sub..."  lists the subfolders too; no value
    {"@sub",                            0,     nullptr,         IncludeSubfolders},
    // "@list=" sort,grouping
    {"@list=",                          1,     nullptr,         Value<ParseListOption>},
    // "@filter=" .ext;.ext;...
    {"@filter=",                        2,     ExtensionsGiven, Value<ParseFilterOption>},
    // "@editor=" the program that opens the settings file and the manual
    {"@editor=",                        0,     nullptr,         Value<ApplyEditorOption>},
    // "@grep0=" ... "@grep9=" word | word | ...  the words of keyword set 0..9
    {"@grep#=",                         1,     SetSelected,     KeywordSet},
    // "@code=" auto | 932 | utf8   the code of text files without a byte-order mark
    {"@code=",                          1,     nullptr,         Value<ParseCodeOption>},
};

// Whether line starts with keyword (any case, '#' any digit, stored in *set).
bool StartsWithKeyword(std::string_view line, std::string_view keyword, int* set) {
    if (line.size() < keyword.size()) return false;
    for (size_t i = 0; i < keyword.size(); ++i) {
        if (keyword[i] != '#') {
            if (!StartsWithI(line.substr(i, 1), keyword.substr(i, 1))) return false;
        } else if (line[i] >= '0' && line[i] <= '9') {
            *set = line[i] - '0';
        } else {
            return false;
        }
    }
    return true;
}

void InterpretSystemLine(std::string_view line) {
    for (const SystemKeyword& row : kSystemKeywords) {
        int set = -1;
        if (!StartsWithKeyword(line, row.keyword, &set)) continue;
        const std::string_view value = line.substr(row.keyword.size());
        if (value.size() >= row.leastValue && !(row.setBySwitch && row.setBySwitch(set)))
            row.apply(value, set);
        return;
    }
}

}  // namespace

void ApplyDefaults() {
    Settings& s = process::settings;
    s.submenuStyle = defaults::Style(defaults::kSubmenuPageSize, defaults::kSubmenuItemWidth);
    s.rootStyle = defaults::Style(defaults::kRootPageSize, defaults::kRootItemWidth);
    s.sortByFilter = 0;
    s.folderGrouping = 0;
    s.editorPath.clear();
    s.searchPathSet = 0;
    s.codeMode = defaults::kCodeMode;
}

void ReadSystemSection(std::string_view content) {
    ForEachSectionLine(content, "[system]", [](std::string_view line) {
        if (!line.empty() && line[0] == ';') return true;
        if (IsSectionEnd(line)) return false;
        InterpretSystemLine(line);
        return true;
    });
    Settings& s = process::settings;
    if (s.positionMode == positionUnset) s.positionMode = defaults::kPosition;
    if (s.extensionFilterCount == 0) {
        s.extensionFilters[0] = defaults::kExtension;
        s.extensionFilterCount = 1;
    }
}

}  // namespace qv
