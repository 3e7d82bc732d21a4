// Hotkeys pressed on the keyboard run their functions in the resident program; a
// combination that is taken is reported at start-up and the program goes on.
#include <gtest/gtest.h>

#include "e2e_support.h"

using e2e::ProgramFolder;
using Calls = std::vector<std::string>;

TEST(Hotkeys, PressedKeysRunTheirFunctionsAndATakenCombinationIsReported) {
    ProgramFolder program;
    program.AddProbe("tlxProbe", "Probe");
    program.WriteSettings(
        "[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n"
        "[HotKey]\r\n"
        "001Function= 1\r\n001Key= 75\r\n001ModKey= 3\r\n001Option=tlxProbe.tlx/1/1\r\n"   // Ctrl+Alt+K
        "002Function= 1\r\n002Key= 75\r\n002ModKey= 3\r\n002Option=tlxProbe.tlx/5/2\r\n"   // the same again
        "003Function= 1\r\n003Key= 119\r\n003ModKey= 4\r\n003Option=tlxProbe.tlx/5/3\r\n"  // Shift+F8
        "004Function=-1\r\n");
    e2e::FrontWindow front;
    ASSERT_TRUE(program.Start());

    const HWND box = e2e::WaitForMessageBox("ポルテリカ");
    ASSERT_NE(box, nullptr) << "the second Ctrl+Alt+K is reported";
    EXPECT_EQ(e2e::MessageBoxText(box),
              "ホットキーの登録に失敗しました。\r\n既に使用されている可能性があります。\r\nModKey = 3\r\nKey = 75\n");
    e2e::PressButton(box);
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(e2e::WaitForMessageBox("ポルテリカ", 1000), nullptr) << "only one failure";
    ASSERT_EQ(WaitForInputIdle(program.Process(), 10000), 0u);

    front.BringToFront();
    e2e::PressChord({VK_CONTROL, VK_MENU, 'K'});
    ASSERT_TRUE(program.WaitForCalls("tlxProbe", 1));
    e2e::PressChord({VK_SHIFT, VK_F8});
    ASSERT_TRUE(program.WaitForCalls("tlxProbe", 2));
    e2e::PressChord({VK_CONTROL, 'K'});   // not bound
    e2e::PressChord({VK_SHIFT, VK_F8});   // runs after anything the keys before it ran
    ASSERT_TRUE(program.WaitForCalls("tlxProbe", 3));
    EXPECT_EQ(program.Calls("tlxProbe"),
              (Calls{"Func 1 1 2 " + front.Hex(), "Func 5 3 2 " + front.Hex(), "Func 5 3 2 " + front.Hex()}))
        << "the first entry of a combination runs, the second never does";
}
