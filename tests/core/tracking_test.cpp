#include "menu/tracking.h"

#include "popup_fixture.h"

namespace qv {
namespace {

using TrackingTest = PopupTest;

TEST_F(TrackingTest, MenuSelectDecodesItemMenuAndMouse) {
    auto menu = os::CreatePopupMenu();
    const struct {
        uint32_t wParam;
        int item, mouse;
    } cases[] = {{0x80001388, 5000, 1}, {0x00001388, 5000, 0}, {0x0010FFFF, 0xFFFF, 0}};
    for (auto& c : cases) {
        OnMenuSelect(c.wParam, menu);
        EXPECT_EQ(menuState.lastSelectedItem, c.item) << std::hex << c.wParam;
        EXPECT_EQ(menuState.lastSelectByMouse, c.mouse) << std::hex << c.wParam;
        EXPECT_EQ(menuState.lastSelectedMenu, menu);
    }
}

TEST_F(TrackingTest, OpeningFileIndexOnlyForListedFiles) {
    SetFiles(2, 0);
    EXPECT_EQ(OpeningFileIndex(0), -1);  // nothing selected yet: the root popup
    os::Menu list = os::CreatePopupMenu();
    for (unsigned id : {0u + cmdFileFirst, cmdFileFirst + 1, cmdFileFirst + 2, 0u + cmdTitle})
        os::AppendMenuItem(list, 0, id, "x");
    OnMenuSelect(cmdFileFirst + 1, list);
    const int expected[] = {0, 1, -1, -1, -1};
    for (int position = 0; position < 5; ++position) EXPECT_EQ(OpeningFileIndex(position), expected[position]);
}

TEST_F(TrackingTest, FirstItemHighlightedOnOpeningAndOnMouseOpenedSubmenus) {
    OnInitMenu();
    EXPECT_EQ(fake::sentKeys, std::vector<int>{os::kVkDown});
    os::Menu list = os::CreatePopupMenu(), sub = os::CreatePopupMenu();
    os::AppendMenuItem(list, 0, cmdTitle, "x");
    OnInitMenuPopup(sub, 0);  // root popup: no selection yet
    OnMenuSelect(cmdTitle, list);
    OnInitMenuPopup(sub, 0);  // opened with the keyboard
    EXPECT_EQ(fake::sentKeys.size(), 1u);
    OnMenuSelect(kMfMouseSelect << 16 | cmdTitle, list);
    OnInitMenuPopup(sub, 0);
    EXPECT_EQ(fake::sentKeys.size(), 2u);
}

TEST_F(TrackingTest, SelectionOfAnEarlierShowingIsForgotten) {
    SetFiles(2, 0);
    Choose(cmdNextOnPage, [](os::Menu m) {
        os::AppendMenuItem(m, 0, cmdFileFirst, "f0");
        OnMenuSelect(kMfMouseSelect << 16 | cmdFileFirst, m);
    });
    Choose(cmdNone, [](os::Menu m) { OnInitMenuPopup(m, 0); });  // the new root popup opening
    ShowPopupMenu(window, textPage);
    EXPECT_TRUE(fake::sentKeys.empty());
}

TEST_F(TrackingTest, FocusLossDismissesTheMenuAndDoesNothing) {
    OnKillFocus(window);  // no menu open
    EXPECT_EQ(fake::lbuttonPosts, 0);
    SetItems(1);
    Choose(cmdNone, [this](os::Menu) {
        OnKillFocus(window);
        EXPECT_EQ(fake::lbuttonPosts, 1);
        EXPECT_EQ(OnLButtonDown(), 1);
        EXPECT_EQ(OnLButtonDown(), 0);
    });
    ShowPopupMenu(window, textPage);
    EXPECT_TRUE(fake::launches.empty());
}

}  // namespace
}  // namespace qv
