#include "common/state.h"
#include "common/text.h"
#include "settings/options.h"
#include "settings/value_fields.h"

namespace qv {

namespace {

ViewStyle& StyleOfField(int field, int fieldsPerStyle) {
    return field <= fieldsPerStyle ? process::settings.submenuStyle : process::settings.rootStyle;
}

int InRangeOr(int n, int low, int high, int fallback) { return n >= low && n <= high ? n : fallback; }

}  // namespace

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
                style.fontHeight = n > 0 ? n : 14;
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
                style.tabWidth = InRangeOr(n, 0, 10, 4);
                break;
            case 1:
                style.firstLine = n >= 1 ? n - 1 : 0;
                break;
            case 2:
                style.pageSize = root ? InRangeOr(n, 1, 999, 30) : InRangeOr(n, 1, 50, 20);
                break;
            case 3:
                style.itemWidth = InRangeOr(n, 10, root ? 200 : 100, 80);
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
        else process::settings.folderGrouping = InRangeOr(n, 0, 2, 1);
    }
}

}  // namespace qv
