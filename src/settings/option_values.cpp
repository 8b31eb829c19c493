#include "settings/option_values.h"

#include "common/defaults.h"
#include "common/state.h"
#include "common/text.h"

namespace qv {

bool FieldCutter::Next(std::string* token) {
    if (ended_ || fields_ >= grammar_.mostFields) return false;
    token->clear();
    ++fields_;
    bool full = false;
    while (position_ < value_.size()) {
        const char c = value_[position_];
        if (grammar_.lineEndEnds && (c == '\r' || c == '\n')) break;
        if (value_.compare(position_, grammar_.separator.size(), grammar_.separator) == 0) {
            position_ += grammar_.separator.size();
            return true;
        }
        // Walking whole characters keeps a trail byte from being taken for a separator.
        const size_t step = IsLeadByte(c) && position_ + 1 < value_.size() ? 2 : 1;
        if (!full && token->size() + step <= grammar_.tokenLimit) token->append(value_.substr(position_, step));
        else full = true;
        position_ += step;
    }
    ended_ = true;
    return true;
}

namespace {

// The placement words, in the order they are tested. The mouse modes need a mouse.
bool ApplyPositionWord(const std::string& word) {
    if (ContainsI(word, "mouse")) {
        if (process::screenMetrics.mouseButtons != 0) process::settings.positionMode = positionMouse;
    } else if (ContainsI(word, "mous2")) {
        if (process::screenMetrics.mouseButtons != 0) process::settings.positionMode = positionMouse2;
    } else if (ContainsI(word, "center")) {
        process::settings.positionMode = positionCenter;
    } else if (ContainsI(word, "active")) {
        process::settings.positionMode = positionActive;
    } else {
        return false;
    }
    return true;
}

ViewStyle& StyleOfField(int field, int fieldsPerStyle) {
    return field <= fieldsPerStyle ? process::settings.submenuStyle : process::settings.rootStyle;
}

}  // namespace

// "@menu=" and "/#m=":  mouse | mous2 | center | active | x,y
// Fields of at most 6 characters. x and y are numbers or "MAX" (screen width,
// maximised height). A lone x, or "MAX" alone, leaves positionActive.
// "MAX" as the last field must be written exactly so.
void ParseMenuOption(std::string_view value) {
    process::settings.positionMode = positionActive;
    FieldCutter fields(value, kMenuFields);
    std::string x;
    fields.Next(&x);
    if (!fields.AtEnd() && ContainsI(x, "MAX")) {
        process::settings.fixedX = process::screenMetrics.screenWidth;
    } else {
        if (ApplyPositionWord(x) || fields.AtEnd()) return;
        process::settings.fixedX = StrToInt(x);
    }
    std::string y;
    fields.Next(&y);
    const bool maxY = fields.AtEnd() ? y == "MAX" : ContainsI(y, "MAX");
    process::settings.fixedY = maxY ? process::screenMetrics.maximizedHeight : StrToInt(y);
    process::settings.positionMode = positionFixed;
}

// "@font=" face,height,weight,italic,face,height,weight,italic
// The first four fields are for file submenus, the last four for text pages.
// face: "-1" keeps the style's plain menu strings; anything else turns owner
//       drawing on, and a non-empty face replaces the font face.
// height: above 0, else 14.  weight: 0..9 hundreds, else unchanged.
// italic: 1 sets it, else unchanged.
void ParseFontOption(std::string_view value) {
    FieldCutter fields(value, kFontFields);
    std::string token;
    while (fields.Next(&token)) {
        ViewStyle& style = StyleOfField(fields.FieldNumber(), 4);
        const int n = StrToInt(token);
        switch ((fields.FieldNumber() - 1) % 4) {
            case 0:
                if (token == "-1") break;
                style.customFont = 1;
                if (!token.empty()) style.fontFace = token;
                break;
            case 1:
                style.fontHeight = n > 0 ? n : defaults::kFontHeightFallback;
                break;
            case 2:
                if (n >= 0 && n <= 9) style.fontWeight = n * 100;
                break;
            case 3:
                if (n == 1) style.fontItalic = 1;
                break;
        }
    }
}

// "@text=" tab,first,page,width,numbers,tab,first,page,width,numbers
// Five numbers for file submenus, five for text pages; out of range gives the fallback.
// tab: 0..10, else 4.  first: 1-based first listed line, else the first line.
// page: 1..50 (submenus) or 1..999 (pages), else 20 or 30.
// width: 10..100 or 10..200 characters, else 80.  numbers: 1 shows line numbers.
void ParseTextOption(std::string_view value) {
    FieldCutter fields(value, kTextFields);
    std::string token;
    while (fields.Next(&token)) {
        const bool root = fields.FieldNumber() > 5;
        ViewStyle& style = StyleOfField(fields.FieldNumber(), 5);
        const int n = StrToInt(token);
        switch ((fields.FieldNumber() - 1) % 5) {
            case 0:
                style.tabWidth = defaults::kTabWidth.Keep(n);
                break;
            case 1:
                style.firstLine = n >= 1 ? n - 1 : 0;
                break;
            case 2:
                style.pageSize = (root ? defaults::kRootPageSize : defaults::kSubmenuPageSize).Keep(n);
                break;
            case 3:
                style.itemWidth = (root ? defaults::kRootItemWidth : defaults::kSubmenuItemWidth).Keep(n);
                break;
            case 4:
                style.lineNumbers = n == 1 ? 1 : 0;
                break;
        }
    }
}

// "@list=" sort,grouping
// sort: not 0 orders files by their extension's place in the filter list first.
// grouping: 0 mixed, 1 folders apart, 2 a column per folder; any other number 1.
void ParseListOption(std::string_view value) {
    FieldCutter fields(value, kListFields);
    std::string token;
    while (fields.Next(&token)) {
        const int n = StrToInt(token);
        if (fields.FieldNumber() == 1) process::settings.sortByFilter = n != 0 ? 1 : 0;
        else process::settings.folderGrouping = defaults::kFolderGrouping.Keep(n);
    }
}

// "@filter=" and "/#f=":  .ext;.ext;...
// Entries as written (blanks included), empty ones skipped, appended to the
// list until it holds 20.
void ParseFilterOption(std::string_view value) {
    FieldCutter fields(value, kFilterFields);
    std::string entry;
    while (process::settings.extensionFilterCount < kMaxExtensions && fields.Next(&entry)) {
        if (!entry.empty()) process::settings.extensionFilters[process::settings.extensionFilterCount++] = entry;
    }
}

// "@grep%d=" and "/#g%d=":  word | word | ...
// Words may hold blanks and "|" that do not form " | "; empty words are not
// counted; at most 10. A set the command line asked for is selected by its first word.
void ParseKeywordSet(std::string_view value, int set) {
    if (set < 0 || set >= kKeywordSetCount) return;
    KeywordSets& sets = process::settings.keywordSets;
    sets.wordCount[set] = 0;
    FieldCutter fields(value, kKeywordFields);
    std::string word;
    while (sets.wordCount[set] < kMaxWordsPerSet && fields.Next(&word)) {
        if (word.empty()) continue;
        sets.words[set][sets.wordCount[set]++] = word;
        if (sets.selected[set] == 2) {
            sets.selected[set] = 1;
            sets.selectedCount += 1;
            sets.filterActive = 1;
        }
    }
}

// "@code=": "auto" (or anything else) recognises each file by its first bytes;
// "932" reads every file as cp932 as it is, marks included; "utf8" reads files
// without a byte-order mark as UTF-8.
void ParseCodeOption(std::string_view value) { process::settings.codeMode = ParseCodeMode(value); }

}  // namespace qv
