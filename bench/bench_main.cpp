// ptrbench: measures the resident program from outside, as the programs around it see
// it. Usage: ptrbench [--quick] [--release DIST] [--before DIST] [--relay-log FILE] [latency] [execute]
// [startup] [idle] [memory] [history] [queue] [snippet] [paste] [questions] (no phase names: all of them). --release: the
// release folder to measure (default: the build's own, with its debug information); --before:
// that of an older build, measured beside it in the start-up, /Execute, paste and questions phases;
// --relay-log: where this program's error output goes (the questions phase reads the trace
// of the programs it starts there). Child modes: see children.h.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "benches.h"
#include "children.h"
#include "machine_info.h"
#include "program_folder.h"
#include "stamp_board.h"

namespace ptrbench {

void Heading(const std::string &title) { std::printf("\n%s\n", title.c_str()); std::fflush(stdout); }

void Note(const std::string &text) { std::printf("    %s\n", text.c_str()); std::fflush(stdout); }

void Row(const std::string &label, const Summary &s) {
    std::printf("  %-50s median %8s  p99 %8s  min %8s  max %8s ms  (n=%zu%s)\n", label.c_str(),
                Fixed(s.median).c_str(), Fixed(s.p99).c_str(), Fixed(s.min).c_str(), Fixed(s.max).c_str(), s.count,
                s.lost ? (", LOST " + std::to_string(s.lost)).c_str() : "");
    std::fflush(stdout);
}

void Failure(const std::string &what) { std::printf("  FAILED: %s\n", what.c_str()); std::fflush(stdout); }

std::string ProbePluginPath() {
    const std::string self = SelfPath();
    return self.substr(0, self.find_last_of('\\') + 1) + kProbeFile;
}

}  // namespace ptrbench

int main(int argc, char **argv) {
    const int child = ptrbench::RunChildMode(argc, argv);
    if (child >= 0) return child;

    ptrbench::Options options;
    bool latency = false, execute = false, startup = false, idle = false, memory = false, history = false,
         queue = false, snippet = false, paste = false, questions = false;
    std::string before, relayLog;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--before" && i + 1 < argc) {
            before = ptrbench::AsFolder(argv[++i]);
        } else if (arg == "--relay-log" && i + 1 < argc) {
            relayLog = argv[++i];
        } else if (arg == "--release" && i + 1 < argc) {
            ptrbench::UseReleaseFolder(argv[++i]);
        } else if (arg == "--quick") {
            options.changes = 200;
            options.executeRuns = 10;
            options.startupRuns = 2;
            options.idleSeconds = 15;
        } else if (arg == "latency") latency = true;
        else if (arg == "execute") execute = true;
        else if (arg == "startup") startup = true;
        else if (arg == "idle") idle = true;
        else if (arg == "memory") memory = true;
        else if (arg == "history") history = true;
        else if (arg == "queue") queue = true;
        else if (arg == "snippet") snippet = true;
        else if (arg == "paste") paste = true;
        else if (arg == "questions") questions = true;
        else {
            // On standard output: the error output may be a trace file.
            std::printf("usage: ptrbench [--quick] [--release DIST] [--before DIST] [--relay-log FILE] [latency] [execute] "
                        "[startup] [idle] [memory] [history] [queue] [snippet] [paste] [questions]\n");
            return 2;
        }
    }
    if (!latency && !execute && !startup && !idle && !memory && !history && !queue && !snippet && !paste && !questions)
        latency = execute = startup = idle = memory = history = queue = snippet = paste = questions = true;
    if (before.empty())
        options.programs = {{"", ptrbench::BuiltDistDir()}};
    else
        options.programs = {{"before: ", before, true}, {"after: ", ptrbench::BuiltDistDir()}};

    // Every process started from here (ptrmain, the children) finds the same board.
    const std::string board = "Porterica_Bench_" + std::to_string(GetCurrentProcessId());
    SetEnvironmentVariableA(ptrbench::kBoardVariable, board.c_str());

    std::printf("Porterica benchmarks\n%s\nLinux load average at start: %s\n", ptrbench::MachineDescription().c_str(),
                ptrbench::LoadAverage().c_str());
    std::fflush(stdout);
    if (latency) ptrbench::RunWatchLatency(options);
    if (execute) ptrbench::RunExecuteRoundTrip(options);
    if (startup) ptrbench::RunStartUp(options);
    if (idle) ptrbench::RunIdle(options);
    if (memory) ptrbench::RunMemory(options);
    if (history) ptrbench::RunHistory(options);
    if (queue) ptrbench::RunSequentialPaste(options);
    if (snippet) ptrbench::RunSnippet(options);
    if (paste) ptrbench::RunPasteOwner(options);
    if (questions) ptrbench::RunClipboardQuestions(options, relayLog);
    std::printf("\nLinux load average at end: %s\n", ptrbench::LoadAverage().c_str());
    return 0;
}
