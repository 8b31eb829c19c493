#include "menu/popup.h"

#include "popup_fixture.h"

namespace qv {
namespace {

using PopupMenuTest = PopupTest;
const std::vector<std::string> kFlat = {"&S 設定ファイル", "&H 説明書", "-", "&0 Ver.1.06"};

TEST_F(PopupMenuTest, FixedItemsFlatAndNested) {
    os::Menu flat = os::CreatePopupMenu();
    AppendFixedItems(flat, false);
    EXPECT_EQ(fake::Labels(flat), kFlat);
    EXPECT_EQ(flat->items[0].label.substr(0, 5), "&S \x90\xDD");  // cp932 bytes of 設
    const unsigned flatIds[] = {cmdSettingsFile, cmdManual, cmdFixedSeparator, cmdVersion};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(flat->items[i].id, flatIds[i]);

    os::Menu nested = os::CreatePopupMenu();
    AppendFixedItems(nested, true);
    ASSERT_EQ(fake::Labels(nested), (std::vector<std::string>{"-", "&0 Ver.1.06"}));
    EXPECT_EQ(nested->items[0].id, cmdFixedSeparator);
    os::Menu sub = nested->items[1].submenu;
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(fake::Labels(sub), (std::vector<std::string>{"&S 設定ファイル", "&H 説明書"}));
    EXPECT_EQ(fake::FindItem(nested, cmdManual)->id, cmdManual);
}

TEST_F(PopupMenuTest, RootContentByMenuType) {
    // No file listed: the folder list says so; the page of a file that is not there, too.
    const std::vector<std::string> nested = {"non file", "-", "&0 Ver.1.06"}, page = {"read error"};
    const std::pair<int, std::vector<std::string>> cases[] = {
        {fixedOnly, kFlat}, {folderList, nested}, {textPage, page},
        {folderListAgain, nested}, {textPageAgain, page}, {99, kFlat}, {-1, kFlat},
    };
    for (auto& [type, labels] : cases) {
        Choose(cmdNone);
        ShowPopupMenu(window, type);
        EXPECT_EQ(shown.back(), labels) << type;
    }
}

TEST_F(PopupMenuTest, DestroySubmenusLeavesOnlyTheRoot) {
    os::Menu root = os::CreatePopupMenu(), sub = os::CreatePopupMenu(), subsub = os::CreatePopupMenu();
    os::AppendMenuItem(root, 0, 1, "a");
    os::AppendMenuItem(root, 0, 2, "b");
    os::AppendMenuItem(sub, 0, 3, "c");
    os::SetMenuItemSubmenu(root, 2, sub);
    os::SetMenuItemSubmenu(sub, 3, subsub);
    DestroySubmenus(root);
    EXPECT_EQ(fake::liveMenus, std::set<os::Menu>{root});
}

TEST_F(PopupMenuTest, EachShowingTracksOnceWithHooksAndLeavesNoMenu) {
    SetFiles(3, 0);
    auto duringTracking = [this](os::Menu) {
        EXPECT_EQ(menuState.menuOpen, 1);
        EXPECT_EQ(menuState.alternateChoice, 0);
        EXPECT_EQ(fake::hooksInstalled - fake::hooksRemoved, 1);
        EXPECT_EQ(fake::foregroundCalls, int(shown.size()));
        EXPECT_FALSE(fake::liveMenus.empty());
    };
    Choose(cmdNextOnPage, [&](os::Menu m) {
        duringTracking(m);
        os::Menu sub = os::CreatePopupMenu();  // a submenu hung in by the builders
        os::AppendMenuItem(m, 0, 4242, "extra");
        os::SetMenuItemSubmenu(m, 4242, sub);
        fake::keysDown.insert(os::kVkShift);
    });
    Choose(cmdGrepAll, [&](os::Menu m) {
        duringTracking(m);
        fake::keysDown.clear();
    });
    Choose(cmdNone, duringTracking);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_EQ(fake::hooksInstalled, 3);
    EXPECT_EQ(fake::hooksRemoved, 3);
    EXPECT_EQ(fake::nullPosts, 3);
    EXPECT_EQ(menuState.menuOpen, 0);
    EXPECT_TRUE(fake::liveMenus.empty());
    EXPECT_EQ(fake::closeCalls, 0);  // closing the window is the caller's part
}

}  // namespace
}  // namespace qv
