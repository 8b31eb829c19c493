#include "menu/popup.h"

#include "popup_fixture.h"

namespace qv {
namespace {

using PopupMenuTest = PopupTest;
const std::vector<std::string> kFlat = {"&S 設定ファイル", "&H 説明書", "-", "&0 Ver.1.06"};

TEST_F(PopupMenuTest, FixedItemsFlatAndNested) {
    os::Menu flat = os::CreatePopupMenu(), nested = os::CreatePopupMenu();
    AppendFixedItems(flat, false);
    AppendFixedItems(nested, true);
    EXPECT_EQ(fake::Labels(flat), kFlat);
    EXPECT_EQ(flat->items[0].label.substr(0, 5), "&S \x90\xDD");  // cp932 bytes of 設
    EXPECT_EQ(fake::Labels(nested), (std::vector<std::string>{"-", "&0 Ver.1.06"}));
    ASSERT_NE(nested->items[1].submenu, nullptr);
    EXPECT_EQ(fake::Labels(nested->items[1].submenu), (std::vector<std::string>{"&S 設定ファイル", "&H 説明書"}));
    for (os::Menu menu : {flat, nested})
        for (unsigned id : {cmdSettingsFile, cmdManual}) EXPECT_NE(fake::FindItem(menu, id), nullptr);
}

TEST_F(PopupMenuTest, RootContentByMenuType) {
    // No file listed: the folder list says so; the page of a file that is not there, too.
    const std::vector<std::string> nested = {"non file", "-", "&0 Ver.1.06"}, page = {"read error"};
    const std::pair<int, std::vector<std::string>> cases[] = {
        {fixedOnly, kFlat}, {folderList, nested}, {textPage, page}, {folderListAgain, nested},
        {textPageAgain, page}, {99, kFlat},
    };
    for (auto& [type, labels] : cases) {
        Choose(cmdNone);
        ShowPopupMenu(window, type);
        EXPECT_EQ(shown.back(), labels) << type;
    }
}

TEST_F(PopupMenuTest, EachShowingTracksOnceWithHooksAndLeavesNoMenu) {
    SetFiles(3, 0);
    auto duringTracking = [this](os::Menu) {
        EXPECT_EQ(menuState.menuOpen, 1);
        EXPECT_EQ(menuState.alternateChoice, 0);
        EXPECT_EQ(fake::hooksInstalled - fake::hooksRemoved, 1);
        EXPECT_EQ(fake::foregroundCalls, int(shown.size()));
    };
    Choose(cmdNextOnPage, [&](os::Menu m) {
        duringTracking(m);
        os::Menu sub = os::CreatePopupMenu(), subsub = os::CreatePopupMenu();  // hung in by the builders
        os::AppendMenuItem(m, 0, 4242, "extra");
        os::AppendMenuItem(sub, 0, 4243, "deeper");
        os::SetMenuItemSubmenu(m, 4242, sub);
        os::SetMenuItemSubmenu(sub, 4243, subsub);
        fake::keysDown.insert(os::kVkShift);
    });
    Choose(cmdGrepAll, [&](os::Menu m) {
        duringTracking(m);
        fake::keysDown.clear();
    });
    Choose(cmdNone, duringTracking);
    ShowPopupMenu(window, textPage);
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_EQ(fake::hooksRemoved, 3);
    EXPECT_EQ(fake::nullPosts, 3);
    EXPECT_EQ(menuState.menuOpen, 0);
    EXPECT_TRUE(fake::liveMenus.empty());
    EXPECT_EQ(fake::closeCalls, 0);  // closing the window is the caller's part
}

}  // namespace
}  // namespace qv
