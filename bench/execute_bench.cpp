// Round trip of an "/Execute:" start: from launching the second process to the function
// having run in the first, against the parts it is made of.
#include <vector>

#include "benches.h"
#include "children.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"
#include "stamp_wait.h"

namespace ptrbench {

namespace {

constexpr DWORD kTimeoutMs = 20000;

template <typename Start>
Summary Series(BoardView &board, int runs, int warmup, Start start) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -warmup; i < runs; ++i) {
        const LONG before = board.Board().stamps;
        const int64_t t0 = Now();
        HANDLE process = start();
        const int64_t t1 = WaitForStamp(board, before, kTimeoutMs);
        if (process) {
            WaitPumping(process, kTimeoutMs);
            CloseHandle(process);
        }
        if (i < 0) continue;
        if (t1)
            samples.push_back(TicksToMs(t1 - t0));
        else
            ++lost;
        PumpFor(20);
    }
    return Summarize(std::move(samples), lost);
}

// This program started again in a child mode: "--child=NAME ARGS".
HANDLE StartChild(const std::string &nameAndArgs) {
    const std::string cmd = "\"" + SelfPath() + "\" --child=" + nameAndArgs;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string line = cmd;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

}  // namespace

void RunExecuteRoundTrip(const Options &options) {
    Heading("/Execute start: from launching the second process to the function having run in the resident one");
    BoardView board;
    const int runs = options.executeRuns;
    for (const Program &program : options.programs) {
        ProgramFolder folder(program.distDir);
        folder.AddPlugin(ProbePluginPath(), kProbeFile);
        folder.AddReleasePlugin("tlxText.tlx");
        folder.AddReleasePlugin("tlxInternet.tlx");
        folder.WriteSettings(SettingsIni({}));
        if (!folder.Start() || !folder.WaitUntilAnswering(60000)) {
            Failure(program.label + "ptrmain did not start");
            continue;
        }
        // The baselines again beside each program: the machine's load changes during a run.
        Row(program.label + "baseline: a process that stamps as it starts", Series(board, runs, 2, [] {
                return StartChild("stamp");
            }));
        // What any second process must do to hand a request over: start, load the host
        // DLL and broadcast (which under Wine also brings in the display driver).
        Row(program.label + "baseline: a process that hands the request over through KXDLL", Series(board, runs, 2, [&] {
                return StartChild("handover \"" + folder.Path() + "KXDLL.dll\" 1 " + std::string(kProbeStamp));
            }));
        Row(program.label + "baseline: KXDLL CallFunction from a running process", Series(board, runs * 5, 5, [&] {
                folder.CallFunction(1, kProbeStamp);
                return HANDLE(nullptr);
            }));
        Row(program.label + "ptrmain /Execute:1:" + std::string(kProbeStamp), Series(board, runs, 2, [&] {
                return folder.Run("/Execute:1:" + std::string(kProbeStamp));
            }));
    }
    Note("each run waits for the second process to end before the next");
}

}  // namespace ptrbench
