// The tray icon as the shell sees it: whether the shell knows the icon, and
// whether it shows a balloon for it.
#include <gtest/gtest.h>
#include "kxdll_loader.h"
#include <shellapi.h>
#include "wine_support.h"

using kxtest::IconAtom;
using kxtest::RecordEvent;
using kxtest::ShellHasIcon;
using ptrtest::BalloonShown;
using ptrtest::PumpUntil;

namespace {

class TrayIcon : public kxtest::KxTest {
protected:
    HWND StartWithBalloon() {
        HWND hwnd = kx.Init(RecordEvent);
        kx.NotifyIconControl(KX_TRAY_ICON, 0, reinterpret_cast<INT_PTR>(IDI_APPLICATION));
        kx.NotifyIconControl(KX_TRAY_TIP, reinterpret_cast<INT_PTR>("ポルテリカ"), 0);
        kx.NotifyIconControl(KX_TRAY_BALLOON_TITLE, reinterpret_cast<INT_PTR>("ポルテリカ"), 0);
        kx.NotifyIconControl(KX_TRAY_BALLOON_TEXT, reinterpret_cast<INT_PTR>("起動しました"), 0);
        kx.NotifyIconControl(KX_TRAY_BALLOON_ICON, NIIF_INFO, 0);
        kx.NotifyIconControl(KX_TRAY_BALLOON_WANTED, 1, 0);
        kx.NotifyIconControl(KX_TRAY_ADD, 0, 0);
        return hwnd;
    }
};

TEST_F(TrayIcon, ARestartedTaskbarGetsTheIconBackWithoutTheBalloon) {
    HWND hwnd = StartWithBalloon();
    ASSERT_NE(nullptr, hwnd);
    const UINT id = IconAtom(kx.module);
    ASSERT_NE(0u, id);
    EXPECT_TRUE(ShellHasIcon(hwnd, id));
    ASSERT_TRUE(PumpUntil(BalloonShown)) << "the balloon asked for at start-up";

    // The shell ends: its icons and balloon go with it.
    kx.NotifyIconControl(KX_TRAY_DELETE, 0, 0);
    EXPECT_FALSE(ShellHasIcon(hwnd, id));
    EXPECT_TRUE(PumpUntil([] { return !BalloonShown(); }));

    // The new shell announces itself to every top-level window.
    SendMessageA(hwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHasIcon(hwnd, id));
    EXPECT_FALSE(PumpUntil(BalloonShown, 4000));
    kx.NotifyIconControl(KX_TRAY_DELETE, 0, 0);
}

TEST_F(TrayIcon, UnloadRemovesTheIconAndItsAtom) {
    HWND hwnd = StartWithBalloon();
    ASSERT_NE(nullptr, hwnd);
    const HMODULE module = kx.module;
    const UINT id = IconAtom(module);
    ASSERT_NE(0u, id);
    EXPECT_TRUE(ShellHasIcon(hwnd, id));

    kx.Unload();
    EXPECT_FALSE(ShellHasIcon(hwnd, id));
    EXPECT_EQ(0u, IconAtom(module));
    EXPECT_TRUE(PumpUntil([] { return !BalloonShown(); }));
}

TEST_F(TrayIcon, ABalloonAskedForBeforeTheIconShowsOnceItIsAdded) {
    HWND hwnd = kx.Init(RecordEvent);
    kx.NotifyIconControl(KX_TRAY_ICON, 0, reinterpret_cast<INT_PTR>(IDI_APPLICATION));
    kx.NotifyIconControl(KX_TRAY_BALLOON_TITLE, reinterpret_cast<INT_PTR>("定型文"), 0);
    kx.NotifyIconControl(KX_TRAY_BALLOON_TEXT, reinterpret_cast<INT_PTR>("保存できません"), 0);
    kx.NotifyIconControl(KX_TRAY_BALLOON_SHOW, 0, 0);
    EXPECT_FALSE(PumpUntil(BalloonShown, 1000)) << "no icon to show it over";
    kx.NotifyIconControl(KX_TRAY_ADD, 0, 0);
    EXPECT_TRUE(ShellHasIcon(hwnd, IconAtom(kx.module)));
    EXPECT_TRUE(PumpUntil(BalloonShown)) << "shown with the icon, though the add wanted none";
    // The shell says it ended: the next in line shows at once, over the icon still there.
    kx.NotifyIconControl(KX_TRAY_BALLOON_SHOW, 0, 0);
    SendMessageA(hwnd, RegisterWindowMessageA("KXDLL_NOTIFYICON_MESSAGE By Tavimo"), 0, NIN_BALLOONTIMEOUT);
    EXPECT_TRUE(PumpUntil(BalloonShown));
    kx.NotifyIconControl(KX_TRAY_DELETE, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return !BalloonShown(); }));
}

TEST_F(TrayIcon, UnknownOperationsDoNothing) {
    HWND hwnd = kx.Init(RecordEvent);
    const UINT id = IconAtom(kx.module);
    for (int op : {0, 6, 10, 12, -1}) EXPECT_EQ(0, kx.NotifyIconControl(op, 1, 1)) << op;
    EXPECT_FALSE(ShellHasIcon(hwnd, id));
}

}  // namespace
