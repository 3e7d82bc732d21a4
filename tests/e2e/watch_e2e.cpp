// A copy in another program, or on the Linux side, runs the matching watch actions of
// the resident program; the test plug-in records every call it gets.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "program_settings.h"

using e2e::ProgramFolder;
using Calls = std::vector<std::string>;

namespace {

// Every kind of watch action, with watching on or off.
std::string WatchSettings(bool watching) {
    return ptrtest::QuietMain(watching) +
           ptrtest::WatchSection({
               {.function = "tlxProbe.tlx/1/1"},   // text: record
               // any format, OR of two checks of which one accepts: Choose S1
               {.function = "tlxProbe.tlx/5/1", .checks = "tlxProbe.tlx/2/1,tlxProbe.tlx/3/1", .allChecks = false,
                .formats = ""},
               // bitmap only (not there) with a check: the check runs, the action does not
               {.function = "tlxProbe.tlx/5/3", .checks = "tlxProbe.tlx/3/1", .formats = "2"},
               // AND of checks whose plug-in is not loaded: never
               {.function = "tlxProbe.tlx/5/2", .checks = "tlxGone.tlx/2/1,tlxGone.tlx/3/1", .formats = ""},
               // switched off: never
               {.function = "tlxProbe.tlx/4/1", .formats = "", .enabled = false},
           });
}

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
    Calls SettledCalls(size_t atLeast) { return program.SettledCalls("tlxProbe", atLeast, 1000); }
};

}  // namespace

TEST_F(Watch, CopyInAnotherProgramRunsEveryMatchingActionInOrder) {
    program.WriteSettings(WatchSettings(true));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(program.Calls("tlxProbe").empty()) << "nothing runs at start-up";
    ASSERT_TRUE(ptrtest::SetClipboardText("copied text"));
    EXPECT_EQ(SettledCalls(expected.size()), expected);
}

TEST_F(Watch, CopyOnTheLinuxSideRunsThemToo) {
    program.WriteSettings(WatchSettings(true));
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
    program.WriteSettings(ptrtest::QuietMain(true) +
                          ptrtest::WatchSection({{.function = "tlxProbe.tlx/4/1", .formats = ""}}));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(ptrtest::SetClipboardText("original"));
    EXPECT_EQ(SettledCalls(1), Calls{"Func 4 1 1 " + front.Hex()});
    EXPECT_EQ(ptrtest::GetClipboardText(), "rewritten");

    ASSERT_TRUE(ptrtest::SetClipboardText("second"));
    EXPECT_EQ(SettledCalls(2), (Calls{"Func 4 1 1 " + front.Hex(), "Func 4 1 1 " + front.Hex()})) << "the next copy still runs it";
}

TEST_F(Watch, WatchingOffRunsNothing) {
    program.WriteSettings(WatchSettings(false));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(ptrtest::SetClipboardText("ignored"));
    ptrtest::PumpFor(1500);
    EXPECT_EQ(program.Calls("tlxProbe"), Calls{});
    // Function 10 switches watching on from outside.
    program.Run("/Execute:0:10").Wait();
    ASSERT_TRUE(ptrtest::SetClipboardText("watched"));
    EXPECT_EQ(SettledCalls(expected.size()), expected);
}
