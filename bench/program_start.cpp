#include "program_start.h"

#include "benches.h"
#include "pump.h"
#include "stamp_wait.h"

namespace ptrbench {

namespace {
constexpr DWORD kStartTimeoutMs = 120000;
}  // namespace

bool StartOnce(ProgramFolder &folder, BoardView &board, StartTimes &times) {
    const int64_t t0 = Now();
    if (!folder.Start() || !folder.WaitForHostWindow(kStartTimeoutMs)) return false;
    times.window = TicksToMs(Now() - t0);
    if (WaitForInputIdle(folder.Process(), kStartTimeoutMs) == 0) times.idle = TicksToMs(Now() - t0);
    // CallFunction returns once every top-level window has answered, so each call
    // waits for the program's next message loop; a request that meets the program
    // still starting (events dropped) is simply sent again.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartTimeoutMs && folder.Running()) {
        const LONG before = board.Board().stamps;
        folder.CallFunction(1, kProbeStamp);
        if (const int64_t t1 = WaitForStamp(board, before, 0)) {
            times.resident = TicksToMs(t1 - t0);
            return true;
        }
        PumpFor(2);
    }
    return false;
}

}  // namespace ptrbench
