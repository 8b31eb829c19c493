#include "menu/placement.h"

#include "popup_fixture.h"

namespace qv {
namespace {

using PlacementTest = PopupTest;

TEST_F(PlacementTest, EveryPositionMode) {
    auto active = reinterpret_cast<os::Window>(0x2000);
    const struct {
        const char* what;
        int mode, mouseButtons;
        bool cursorReadable, hasForeground;
        os::Rect rect;
        int x, y;
        unsigned flags;
    } cases[] = {
        {"centre", positionCenter, 3, true, false, {}, 639, 500, 0x116},
        {"unknown mode", 7, 3, true, false, {}, 639, 500, 0x116},
        {"fixed", positionFixed, 3, true, false, {}, -20, 30, 0x102},
        {"mouse", positionMouse, 3, true, false, {}, 100, 200, 0x102},
        {"mouse, none installed", positionMouse, 0, true, false, {}, 639, 500, 0x116},
        {"mouse, no cursor", positionMouse, 3, false, false, {}, 639, 500, 0x116},
        {"mous2", positionMouse2, 3, true, false, {}, 100, 200, 0x112},
        {"active", positionActive, 3, true, true, {-301, 50, 100, 151}, -101, 100, 0x116},
        {"active, no window", positionActive, 3, true, false, {}, 639, 500, 0x116},
        {"active, zero width", positionActive, 3, true, true, {10, 10, 10, 90}, 639, 500, 0x116},
    };
    for (const auto& c : cases) {
        SetUp();
        settings.positionMode = c.mode;
        settings.fixedX = -20;
        settings.fixedY = 30;
        screenMetrics.mouseButtons = c.mouseButtons;
        if (!c.cursorReadable) fake::cursor.reset();
        if (c.hasForeground) {
            previousForeground = active;
            fake::windowRects[active] = c.rect;
        }
        ShowPopupMenu(window, fixedOnly);
        ASSERT_EQ(fake::trackCalls.size(), 1u) << c.what;
        const fake::TrackCall& call = fake::trackCalls[0];
        EXPECT_EQ(call.x, c.x) << c.what;
        EXPECT_EQ(call.y, c.y) << c.what;
        EXPECT_EQ(call.flags, c.flags) << c.what;
    }
}

TEST_F(PlacementTest, ShownAgainWhereTheFirstMenuStoodAfterTheMouseMoved) {
    settings.positionMode = positionMouse2;
    SetFiles(3, 0);
    Choose(cmdNextOnPage, [](os::Menu) { fake::cursor = os::Point{900, 40}; });       // text page again
    Choose(cmdReturnOnPage, [](os::Menu) { fake::keysDown.insert(os::kVkShift); });  // folder list
    Choose(cmdNone);
    ShowPopupMenu(window, textPage);
    ASSERT_EQ(fake::trackCalls.size(), 3u);
    for (const fake::TrackCall& call : fake::trackCalls) {
        EXPECT_EQ(call.x, 100);
        EXPECT_EQ(call.y, 200);
        EXPECT_EQ(call.flags, 0x112u);
    }
}

}  // namespace
}  // namespace qv
