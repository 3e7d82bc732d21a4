// "/Execute:2:<menu>" from a second start pops the menu up at the cursor; keyboard
// input to the popup chooses an item, Escape dismisses it.
#include <gtest/gtest.h>

#include "e2e_support.h"

using e2e::ProgramFolder;
using Calls = std::vector<std::string>;

namespace {

std::string MenuFile(const std::string &items, const std::string &top = "Menu") {
    return "[Main]\r\nMenuName=Test\r\nComment=for the tests\r\nMenu=" + top + "\r\n" + items;
}

std::string Command(const std::string &section, int n, const std::string &caption, const std::string &option) {
    char number[8];
    snprintf(number, sizeof number, "%03d", n);
    return "[" + section + "]\r\n" + number + "Caption=" + caption + "\r\n" + number + "Type=Function\r\n" + number +
           "FuncType= 1\r\n" + number + "FuncOption=" + option + "\r\n";
}

struct Menus : ::testing::Test {
    ProgramFolder program;
    e2e::FrontWindow front;

    void SetUp() override {
        program.AddProbe("tlxProbe", "Probe");
        program.AddProbe("tlxOther", "Other");
        program.WriteSettings("[Main]\r\nSplashShow= 0\r\nDefaultMenu= 1\r\n");
        program.WriteMenu("test.mnu", MenuFile(Command("Menu", 1, "Record", "tlxProbe.tlx/1/1") +
                                               "002Caption=-\r\n002Type=Separator\r\n"
                                               "003Caption=Sub\r\n003Type=SubMenu\r\n003SubMenu=001SubMenu\r\n" +
                                               Command("001SubMenu", 1, "Choose two", "tlxProbe.tlx/5/2")));
        program.WriteMenu("cycle.mnu", MenuFile("[Menu]\r\n001Caption=Loop\r\n001Type=SubMenu\r\n001SubMenu=Inner\r\n"
                                                "[Inner]\r\n001Caption=Back\r\n001Type=SUBMENU\r\n001SubMenu=menu\r\n"
                                                "002Caption=Leaf\r\n002Type=Function\r\n002FuncType= 1\r\n"
                                                "002FuncOption=tlxProbe.tlx/5/1\r\n"));
        program.WriteMenu("gap.mnu", MenuFile(Command("Menu", 1, "First", "tlxProbe.tlx/5/1") +
                                              "003Caption=Third\r\n003FuncOption=tlxProbe.tlx/5/3\r\n"));
        program.WriteMenu("UPPER.MNU", MenuFile(Command("Menu", 1, "Upper", "tlxProbe.tlx/5/3")));
        program.WriteMenu("notes.txt", MenuFile(Command("Menu", 1, "Text file", "tlxProbe.tlx/1/1")));
    }

    // Shows the menu from a second start and types the keys into the popup.
    void Choose(const std::string &menu, std::initializer_list<WORD> keys) {
        SCOPED_TRACE(menu);
        front.BringToFront();
        ptrtest::ChildProcess second = program.Run("/Execute:2:" + menu);
        ASSERT_TRUE(e2e::WaitForPopupMenu()) << "the popup appears";
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return e2e::ForegroundProcess() == GetProcessId(program.Process()); }))
            << "the program is in front while its menu is up, foreground process " << e2e::ForegroundProcess();
        e2e::TypeIntoPopup(keys);
        EXPECT_TRUE(e2e::WaitForNoPopupMenu()) << "the popup has closed";
        EXPECT_EQ(second.Wait(), 0) << "the second start has ended";
    }
    Calls CallsAfter(const std::string &probe, size_t count) { return program.SettledCalls(probe, count, 300); }
    // The last call once there are `count`, "" when there are fewer.
    std::string LastCall(const std::string &probe, size_t count) {
        const Calls calls = CallsAfter(probe, count);
        return calls.size() >= count ? calls.back() : "";
    }
};

}  // namespace

TEST_F(Menus, ChoosingItemsRunsThemAndEscapeRunsNothing) {
    ASSERT_TRUE(program.Start());
    Choose("test.mnu", {VK_DOWN, VK_RETURN});
    EXPECT_EQ(CallsAfter("tlxProbe", 1), Calls{"Func 1 1 3 " + front.Hex()});

    Choose("TEST.MNU", {VK_ESCAPE});   // dismissed: nothing runs
    Choose("test.mnu", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN});   // the separator is skipped
    EXPECT_EQ(CallsAfter("tlxProbe", 2), (Calls{"Func 1 1 3 " + front.Hex(), "Func 5 2 3 " + front.Hex()}))
        << "what was dismissed ran nothing before the next choice";
}

TEST_F(Menus, OddMenuFiles) {
    ASSERT_TRUE(program.Start());
    Choose("cycle.mnu", {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_EQ(LastCall("tlxProbe", 1), "Func 5 1 3 " + front.Hex()) << "a cycle loads up to itself";

    Choose("gap.mnu", {VK_DOWN, VK_DOWN, VK_RETURN});   // one item only: the second Down comes back to it
    EXPECT_EQ(LastCall("tlxProbe", 2), "Func 5 1 3 " + front.Hex()) << "nothing after an empty caption";

    Choose("UPPER.MNU", {VK_DOWN, VK_RETURN});
    EXPECT_EQ(LastCall("tlxProbe", 3), "Func 5 3 3 " + front.Hex());

    front.BringToFront();
    EXPECT_EQ(program.Run("/Execute:2:notes.txt").Wait(), 0);
    EXPECT_FALSE(e2e::WaitForPopupMenu(1500)) << "a text file is no menu";
    EXPECT_EQ(program.Calls("tlxProbe").size(), 3u);
}

TEST_F(Menus, DefaultMenuHoldsTheActionFunctionsOfEveryPlugin) {
    ASSERT_TRUE(program.Start());
    // Other, Probe (file-name order); in each: Record, Rewrite, Choose> (S1, S2, S3).
    Choose("/default", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_EQ(CallsAfter("tlxProbe", 1), Calls{"Func 5 2 3 " + front.Hex()}) << "no check function in between";

    Choose("/default", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(LastCall("tlxProbe", 2), "Func 1 1 3 " + front.Hex()) << "three items: the third Down wraps";

    Choose("/default", {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_EQ(CallsAfter("tlxOther", 1), Calls{"Func 4 1 3 " + front.Hex()});
}
