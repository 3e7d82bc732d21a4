// A plug-in function that takes seconds: what arrives meanwhile, and what comes after.
#include <gtest/gtest.h>

#include "fault_support.h"
#include "pump.h"
#include "settings_text.h"
#include "wine_support.h"

using ptrbench::PluginAction;
using ptrbench::SettingsIni;

namespace {

// Settings 8 of the probe's slow functions: 8 x 250 ms.
constexpr const char *kBusyTwoSeconds = "/Execute:1:benchprobe.tlx/3/8";
constexpr const char *kStallTwoSeconds = "/Execute:1:benchprobe.tlx/4/8";

class SlowFunction : public faults::ProgramTest {
protected:
    void SetUp() override {
        folder.WriteSettings(SettingsIni({PluginAction("1", faults::kStamp)}));   // a stamp on every text copied
        StartProgram();
    }

    // Starts a second program asking for a slow function and waits until it runs.
    HANDLE StartSlow(const char *arguments) {
        const LONG started = board.Board().busyStarts;
        HANDLE second = folder.Run(arguments);
        EXPECT_TRUE(second);
        EXPECT_TRUE(ptrbench::PumpUntil([&] { return board.Board().busyStarts > started; }, 10000))
            << "the slow function never began";
        return second;
    }

    static bool Ends(HANDLE process, DWORD ms = 20000) {
        const bool ended = ptrbench::WaitPumping(process, ms);
        CloseHandle(process);
        return ended;
    }

    // Every copy from now on runs the watch action once.
    void ExpectEveryLaterCopyHandled(int copies) {
        for (int i = 0; i < copies; ++i) {
            const LONG before = Stamps();
            ASSERT_TRUE(writer.Copy("later " + std::to_string(i), false));
            EXPECT_EQ(before + 1, WaitForStamps(before)) << "copy " << i;
            EXPECT_EQ(TLX_CALL_WATCH, board.Board().lastCallType) << "copy " << i;
        }
        ptrbench::PumpFor(300);
    }
};

TEST_F(SlowFunction, WhileAFunctionAnswersMessagesEventsAreDroppedAndLaterOnesHandled) {
    const LONG stamps = Stamps();
    HANDLE second = StartSlow(kBusyTwoSeconds);

    // Copies and a request that reach the program while the function runs.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(writer.Copy("during " + std::to_string(i), false));
        ptrbench::PumpFor(50);
    }
    DWORD_PTR answer = 0;
    EXPECT_NE(0, SendMessageTimeoutA(folder.HostWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer))
        << "the program stopped answering during the function";
    EXPECT_EQ(0, Stamps() - stamps) << "an event was handled during the function";

    // A request from a further start waits for its turn (senders take turns until the
    // one before has been answered), so it runs after the function, not during it.
    HANDLE third = folder.Run("/Execute:1:" + std::string(faults::kStamp));
    EXPECT_TRUE(Ends(second));
    EXPECT_TRUE(Ends(third));
    ptrbench::PumpFor(500);
    EXPECT_EQ(stamps + 2, Stamps()) << "the function and the request after it; the copies of the busy time dropped";
    EXPECT_EQ(TLX_CALL_EXTERNAL, board.Board().lastCallType);

    ExpectEveryLaterCopyHandled(20);
}

TEST_F(SlowFunction, AFunctionThatBlocksDelaysWhatComesMeanwhileAndTheProgramRecovers) {
    const LONG stamps = Stamps();
    HANDLE second = StartSlow(kStallTwoSeconds);

    // A function that answers nothing: the system keeps the notifications and the
    // request for the program until it returns.
    constexpr int kCopies = 3;
    for (int i = 0; i < kCopies; ++i) ASSERT_TRUE(writer.Copy("during " + std::to_string(i), false));
    HANDLE third = folder.Run("/Execute:1:" + std::string(faults::kStamp));

    EXPECT_TRUE(Ends(second));
    EXPECT_TRUE(Ends(third)) << "the request made during the function";
    // The kept notifications come in after the function; wait until they are done.
    for (LONG seen = -1; seen != Stamps();) {
        seen = Stamps();
        ptrbench::PumpFor(1000);
    }
    // The function's end and the later request both ran; the kept notifications ran
    // at most once each, and not all were dropped: the copies were another program's,
    // not the function's own change.
    EXPECT_LE(stamps + 3, Stamps());
    EXPECT_GE(stamps + 2 + kCopies, Stamps());
    EXPECT_TRUE(folder.Running());

    ExpectEveryLaterCopyHandled(10);
}

}  // namespace
