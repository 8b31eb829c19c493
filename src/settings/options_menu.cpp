#include "common/state.h"
#include "common/text.h"
#include "settings/options.h"
#include "settings/value_fields.h"

namespace qv {

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

}  // namespace qv
