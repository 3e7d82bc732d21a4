// vbHotKey on the real system: ids from global atoms, registration, a taken
// combination, and the hotkey list loaded from and saved to Setting.ini.
#include <gtest/gtest.h>

#include <cstdio>

#include "app_state.h"
#include "basMain.h"
#include "e2e_support.h"
#include "hotkeys.h"
#include "vbHotKey.h"

using namespace ptr;

namespace {

WPARAM g_lastHotkey = 0;

LRESULT CALLBACK RecordHotkey(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) g_lastHotkey = wParam;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window that keeps the id of the last WM_HOTKEY it got.
HWND MessageWindow() {
    static const ATOM windowClass = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordHotkey;
        wc.lpszClassName = "fntestHotkeys";
        return RegisterClassA(&wc);
    }();
    return CreateWindowExA(0, reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(windowClass)), "hotkeys", 0, 0, 0, 10,
                           10, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

std::string AtomName(const vbHotKey &hotkey) {
    char name[40];
    std::snprintf(name, sizeof name, "vbHotKey_%llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&hotkey)));
    return name;
}

bool HotkeyMessage(int id) {
    return ptrtest::PumpUntil([&] { return g_lastHotkey == static_cast<WPARAM>(id); }, 3000);
}

}  // namespace

TEST(vbHotKey, IdComesFromItsOwnAtomAndTheAtomGoesWithTheObject) {
    std::string name;
    {
        vbHotKey a, b;
        const ATOM atom = GlobalFindAtomA(AtomName(a).c_str());
        ASSERT_NE(atom, 0) << AtomName(a);
        EXPECT_EQ(a.ID(), static_cast<int16_t>(static_cast<int16_t>(atom) + 16385));
        EXPECT_GE(a.ID(), 1);
        EXPECT_LE(a.ID(), 0x4000);
        EXPECT_NE(a.ID(), b.ID());
        EXPECT_FALSE(a.Registed());
        EXPECT_EQ(a.FunctionType(), -1);
        name = AtomName(a);
    }
    EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0) << "deleted with the object";
}

TEST(vbHotKey, RegistersOnceAndATakenCombinationKeepsItsBinding) {
    const HWND window = MessageWindow();
    {
        vbHotKey first, second;
        ASSERT_TRUE(vbHotKey::CanSetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT));
        EXPECT_TRUE(vbHotKey::CanSetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT)) << "asking registers nothing";
        ASSERT_TRUE(first.SetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT, 3, "notes.txt"));
        EXPECT_TRUE(first.Registed());
        EXPECT_FALSE(first.SetHotkey(window, VK_F10, 0, 1, "x")) << "already registered";
        EXPECT_EQ(first.KeyCode(), VK_F9) << "unchanged";

        EXPECT_FALSE(vbHotKey::CanSetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT));
        EXPECT_FALSE(second.SetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT, 1, "p.tlx/1/1"));
        EXPECT_FALSE(second.Registed());
        EXPECT_EQ(second.FunctionOption(), "p.tlx/1/1") << "the binding stays stored";
        EXPECT_EQ(second.NotifyWnd(), window);

        e2e::PressChord({VK_CONTROL, VK_SHIFT, VK_F9});
        EXPECT_TRUE(HotkeyMessage(first.ID())) << "the key press arrives with the first object's id";

        first.UnsetHotkey();
        EXPECT_FALSE(first.Registed());
        EXPECT_EQ(first.KeyCode(), 0);
        EXPECT_EQ(first.FunctionOption(), "");
        EXPECT_TRUE(second.SetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT, 1, "p.tlx/1/1")) << "free again";
    }
    EXPECT_TRUE(vbHotKey::CanSetHotkey(window, VK_F9, MOD_CONTROL | MOD_SHIFT)) << "ending the objects unregisters";
    DestroyWindow(window);
}

TEST(Hotkeys, TakenCombinationIsReportedKeptAndSaved) {
    ptrtest::TempDir dir;
    AppState &app = App();
    app.AppPath = dir.path;
    app.Settings = MainSettings{};
    app.HostWindow = MessageWindow();
    ptrtest::WriteFileBytes(dir.path + "Setting.ini",
                            "[HotKey]\r\n001Function= 1\r\n001Key= 77\r\n001ModKey= 3\r\n001Option=a.tlx/1/1\r\n"
                            "002Function= 3\r\n002Key= 77\r\n002ModKey= 3\r\n002Option=notes.txt\r\n"
                            "003Function=-1\r\n004Function= 1\r\n004Key= 78\r\n");
    {
        e2e::MessageBoxAnswerer answer(kProductName);
        LoadHotkeys();
        EXPECT_EQ(answer.Text(),
                  "ホットキーの登録に失敗しました。\r\n既に使用されている可能性があります。\r\nModKey = 3\r\nKey = 77\n");
    }
    ASSERT_EQ(app.HotKeys.size(), 2u);
    EXPECT_TRUE(app.HotKeys[0]->Registed());
    EXPECT_FALSE(app.HotKeys[1]->Registed());

    SaveAllSettings();
    const std::string file = dir.path + "Setting.ini";
    char text[64];
    GetPrivateProfileStringA("HotKey", "002Option", "?", text, sizeof text, file.c_str());
    EXPECT_STREQ(text, "notes.txt") << "the unregistered entry is saved too";
    EXPECT_EQ(GetPrivateProfileIntA("HotKey", "002Function", 0, file.c_str()), 3u);
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("HotKey", "003Function", 0, file.c_str())), -1);
    GetPrivateProfileStringA("Watch", "001Function", "?", text, sizeof text, file.c_str());
    EXPECT_STREQ(text, "-1") << "the empty watch list is saved as its placeholder";

    app.HotKeys.clear();
    DestroyWindow(app.HostWindow);
    app.HostWindow = nullptr;
}
