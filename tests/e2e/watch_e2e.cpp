// A copy in another program, or on the Linux side, runs the matching watch actions of
// the resident program; the test plug-in records every call it gets.
#include <gtest/gtest.h>

#include "e2e_support.h"

using e2e::ProgramFolder;
using Calls = std::vector<std::string>;

namespace {

const char kWatchSettings[] =
    "[Main]\r\nSplashShow= 0\r\nEndingCheck= 0\r\nClipboardWatch= 1\r\nDefaultMenu= 0\r\n"
    "[Watch]\r\n"
    // text: record
    "001Enable= 1\r\n001Type=1\r\n001AllType= 0\r\n001Function= 1\r\n001Option=tlxProbe.tlx/1/1\r\n"
    // any format, OR of two checks of which one accepts: Choose S1
    "002Enable= 1\r\n002Type=\r\n002AllType= 1\r\n002Function= 1\r\n002Option=tlxProbe.tlx/5/1\r\n"
    "002PluginCheck=tlxProbe.tlx/2/1,tlxProbe.tlx/3/1\r\n002PluginCheckAnd= 0\r\n"
    // bitmap only (not there) with a check: the check runs, the action does not
    "003Enable= 1\r\n003Type=2\r\n003AllType= 0\r\n003Function= 1\r\n003Option=tlxProbe.tlx/5/3\r\n"
    "003PluginCheck=tlxProbe.tlx/3/1\r\n003PluginCheckAnd= 1\r\n"
    // AND of checks whose plug-in is not loaded: never
    "004Enable= 1\r\n004AllType= 1\r\n004Function= 1\r\n004Option=tlxProbe.tlx/5/2\r\n"
    "004PluginCheck=tlxGone.tlx/2/1,tlxGone.tlx/3/1\r\n004PluginCheckAnd= 1\r\n"
    // switched off: never
    "005Enable= 0\r\n005AllType= 1\r\n005Function= 1\r\n005Option=tlxProbe.tlx/4/1\r\n"
    "006Function=-1\r\n";

// What one copy runs, with the window that was in front.
Calls Expected(const std::string &front) {
    return {
        "Func 1 1 1 " + front,   // action 1
        "Func 2 1 0 " + front,   // action 2: both checks, then the action
        "Func 3 1 0 " + front,
        "Func 5 1 1 " + front,
        "Func 3 1 0 " + front,   // action 3: its check only
    };
}

struct Watch : ::testing::Test {
    ProgramFolder program;
    e2e::FrontWindow front;
    Calls expected = Expected(front.Hex());
    void SetUp() override {
        program.AddProbe("tlxProbe", "Probe");
        program.SetVerdict("tlxProbe", 2, 1);
        program.SetVerdict("tlxProbe", 3, 0);
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }
    bool Start() {
        const bool started = program.Start();
        front.BringToFront();
        return started;
    }
    // Calls after a copy, once no more come in for a while.
    Calls SettledCalls(size_t atLeast) {
        program.WaitForCalls("tlxProbe", atLeast, 10000);
        ptrtest::PumpFor(1000);
        return program.Calls("tlxProbe");
    }
};

}  // namespace

TEST_F(Watch, CopyInAnotherProgramRunsEveryMatchingActionInOrder) {
    program.WriteSettings(kWatchSettings);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(program.Calls("tlxProbe").empty()) << "nothing runs at start-up";
    ASSERT_TRUE(ptrtest::SetClipboardText("copied text"));
    EXPECT_EQ(SettledCalls(expected.size()), expected);
}

TEST_F(Watch, CopyOnTheLinuxSideRunsThemToo) {
    program.WriteSettings(kWatchSettings);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(e2e::CopyTextFromLinux("from the X clipboard"));
    // Wine's X bridge may announce one X copy as more than one clipboard change (it re-reads
    // the selection); every change it announces must run the whole sequence in order.
    const Calls calls = SettledCalls(expected.size());
    ASSERT_FALSE(calls.empty());
    ASSERT_EQ(calls.size() % expected.size(), 0u) << ::testing::PrintToString(calls);
    for (size_t at = 0; at < calls.size(); at += expected.size())
        EXPECT_EQ(Calls(calls.begin() + at, calls.begin() + at + expected.size()), expected) << "change " << at / expected.size() + 1;
    EXPECT_EQ(ptrtest::GetClipboardText(), "from the X clipboard");
}

TEST_F(Watch, AnActionsOwnClipboardChangeDoesNotTriggerTheWatch) {
    program.WriteSettings(
        "[Main]\r\nSplashShow= 0\r\nClipboardWatch= 1\r\nDefaultMenu= 0\r\n"
        "[Watch]\r\n001Enable= 1\r\n001AllType= 1\r\n001Function= 1\r\n001Option=tlxProbe.tlx/4/1\r\n"
        "002Function=-1\r\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(ptrtest::SetClipboardText("original"));
    EXPECT_EQ(SettledCalls(1), Calls{"Func 4 1 1 " + front.Hex()});
    EXPECT_EQ(ptrtest::GetClipboardText(), "rewritten");

    ASSERT_TRUE(ptrtest::SetClipboardText("second"));
    EXPECT_EQ(SettledCalls(2), (Calls{"Func 4 1 1 " + front.Hex(), "Func 4 1 1 " + front.Hex()})) << "the next copy still runs it";
}

TEST_F(Watch, WatchingOffRunsNothing) {
    std::string settings = kWatchSettings;
    settings.replace(settings.find("ClipboardWatch= 1"), 17, "ClipboardWatch= 0");
    program.WriteSettings(settings);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(ptrtest::SetClipboardText("ignored"));
    ptrtest::PumpFor(1500);
    EXPECT_EQ(program.Calls("tlxProbe"), Calls{});
    // Function 10 switches watching on from outside.
    program.Run("/Execute:0:10").Wait();
    ASSERT_TRUE(ptrtest::SetClipboardText("watched"));
    EXPECT_EQ(SettledCalls(expected.size()), expected);
}
