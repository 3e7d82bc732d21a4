// Menus as the system builds them: the popup that a menu tree makes, and test mode,
// which names the chosen item instead of running it.
#include <gtest/gtest.h>

#include "app_state.h"
#include "e2e_support.h"
#include "menus.h"

using namespace ptr;

namespace {
std::string ItemText(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}
}  // namespace

TEST(Popup, TreeBecomesCommandsSeparatorsAndSubMenus) {
    vbSubMenu root(kMenuRoot);
    root.AddChild(kMenuCommand).Caption = "メモ帳";
    root.AddChild(kMenuSeparator).Caption = "-";
    vbSubMenu &sub = root.AddChild(kMenuSubMenu);
    sub.Caption = "Sub";
    sub.AddChild(kMenuCommand).Caption = "Inner";

    MenuBackend &backend = SystemMenuBackend();
    const HMENU popup = static_cast<HMENU>(backend.CreatePopup());
    root.CreateSubMenu(backend, popup);
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(ItemText(popup, 0), "メモ帳");
    EXPECT_EQ(GetMenuItemID(popup, 0), root.Children()[0]->ItemId());
    EXPECT_TRUE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR);
    const HMENU inner = GetSubMenu(popup, 2);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(ItemText(popup, 2), "Sub");
    EXPECT_EQ(ItemText(inner, 0), "Inner");
    EXPECT_EQ(GetMenuItemID(inner, 0), sub.Children()[0]->ItemId());
    backend.Destroy(popup);
    EXPECT_FALSE(IsMenu(inner)) << "destroyed with its parent";
}

TEST(Popup, TestModeNamesTheChosenItem) {
    ptrtest::TempDir dir;
    AppState &app = App();
    app.MenuDataPath = dir.path;
    app.Settings.DefaultMenu = false;
    ptrtest::WriteFileBytes(dir.path + "t.mnu",
                            "[Main]\r\nMenuName=T\r\nMenu=Menu\r\n[Menu]\r\n001Caption=Open\r\n001Type=Function\r\n"
                            "001FuncType= 3\r\n001FuncOption=C:\\notes.txt\r\n");
    LoadMenus();
    ASSERT_NE(FindMenu("T.MNU"), nullptr);
    HWND owner = CreateWindowExA(0, "Static", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    SetForegroundWindow(owner);
    for (const auto &[keys, expected] :
         {std::pair<std::vector<WPARAM>, std::string>{{VK_DOWN, VK_RETURN}, "『Open』が押されました。\r\n実行 / 開く(C:\\notes.txt)\n"},
          {{VK_ESCAPE}, "何も選択されませんでした。\n"}}) {
        // The keys wait in the queue for the menu's own loop.
        for (WPARAM key : keys) PostMessageA(owner, WM_KEYDOWN, key, 0);
        e2e::MessageBoxAnswerer answer("メニューテスト");
        ShowMenu(owner, "t.mnu", true);
        EXPECT_EQ(answer.Text(), expected);
    }
    ShowMenu(owner, "none.mnu", true);   // no such menu: nothing shown, nothing asked
    DestroyWindow(owner);
    app.Menus.Clear();
}
