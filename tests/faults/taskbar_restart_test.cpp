// The shell restarting after the program showed its first-start balloon.
#include <gtest/gtest.h>

#include "fault_support.h"
#include "pump.h"
#include "wine_support.h"

namespace {

class TaskbarRestart : public faults::ProgramTest {};

// The shell's own message to every top-level window when it (re)starts.
void AnnounceNewShell() {
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    ptrbench::PumpFor(500);
}

TEST_F(TaskbarRestart, ARestartedShellGetsTheIconBackWithoutTheBalloonAndTheProgramGoesOn) {
    folder.RemoveSettings();   // first start: the welcome balloon
    StartProgram();
    const HWND host = folder.HostWindow();
    // The icon's identifier is one of the host DLL's atoms (others may be left from
    // processes that ended without cleaning up): the one the shell knows for its window.
    UINT icon = 0;
    for (ATOM atom : faults::AtomsNamed("KXDLL_NOTIFYICON_"))
        if (faults::ShellHasIcon(host, atom)) icon = atom;
    ASSERT_NE(0u, icon) << "the program's tray icon";
    EXPECT_TRUE(ptrbench::PumpUntil(ptrtest::BalloonShown, 10000)) << "the welcome balloon";

    // The shell ends: its icons and balloons go with it. A new one announces itself.
    faults::ShellForgetsIcon(host, icon);
    EXPECT_TRUE(ptrbench::PumpUntil([] { return !ptrtest::BalloonShown(); }, 10000));
    EXPECT_FALSE(faults::ShellHasIcon(host, icon));
    AnnounceNewShell();
    EXPECT_TRUE(faults::ShellHasIcon(host, icon)) << "the icon is back";
    EXPECT_FALSE(ptrbench::PumpUntil(ptrtest::BalloonShown, 4000)) << "the welcome came again";

    // A second announcement (a shell restarting twice) leaves one icon, not two.
    AnnounceNewShell();
    faults::ShellForgetsIcon(host, icon);
    EXPECT_FALSE(faults::ShellHasIcon(host, icon)) << "a second icon was left behind";
    AnnounceNewShell();
    EXPECT_TRUE(faults::ShellHasIcon(host, icon));

    // And the program still does what it is asked.
    const LONG before = Stamps();
    ASSERT_TRUE(folder.CallFunction(1, faults::kStamp));
    EXPECT_EQ(before + 1, Stamps());
    EXPECT_TRUE(folder.Running());
}

}  // namespace
