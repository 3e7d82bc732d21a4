// Memory over long use: the program's own memory (RssAnon of its Wine process) after
// start-up, after some handled copies and after ten times as many, for each kind of
// watch action on text, beside a bare viewer doing the text-only rewrite itself.
#include <windows.h>

#include <cstdio>

#include "benches.h"
#include "children.h"
#include "handled_copies.h"
#include "program_folder.h"
#include "pump.h"
#include "unix_proc.h"

namespace ptrbench {

namespace {

constexpr int kLaterFactor = 10;

struct MemoryRow {
    uint64_t startKb = 0, earlyKb = 0, laterKb = 0;
    int handled = 0;
};

uint64_t OwnKb(int pid) {
    PumpFor(500);   // what the last copy started has ended
    return SampleUnixProcess(pid).rssAnonKb;
}

MemoryRow Measure(int pid, CopyKind kind, BoardView &board, int early) {
    MemoryRow row;
    if (pid <= 0) return row;
    HandledCopies copies(kind, board);
    row.startKb = OwnKb(pid);
    row.handled = copies.Make(early);
    row.earlyKb = OwnKb(pid);
    row.handled += copies.Make(early * (kLaterFactor - 1));
    row.laterKb = OwnKb(pid);
    return row;
}

void Print(const std::string &label, const MemoryRow &row, int copies) {
    if (!row.startKb) {
        Failure(label + ": its Linux process was not found");
        return;
    }
    const long long growth = static_cast<long long>(row.laterKb) - static_cast<long long>(row.earlyKb);
    const int later = copies - copies / kLaterFactor;
    std::printf("  %-40s %9llu %9llu %9llu %+9lld %9.0f%s\n", label.c_str(),
                static_cast<unsigned long long>(row.startKb), static_cast<unsigned long long>(row.earlyKb),
                static_cast<unsigned long long>(row.laterKb), growth, growth * 1024.0 / later,
                row.handled == copies ? "" : ("  (handled " + std::to_string(row.handled) + ")").c_str());
    std::fflush(stdout);
}

MemoryRow MeasureProgram(const Program &program, CopyKind kind, BoardView &board, int early) {
    ProgramFolder folder(program.distDir);
    folder.AddPlugin(ProbePluginPath(), kProbeFile);
    folder.AddReleasePlugin("tlxText.tlx");
    folder.WriteSettings(SettingsIni(WatchActionsFor(kind)));
    if (!folder.Start() || !folder.WaitUntilAnswering(60000)) return {};
    const MemoryRow row = Measure(FindUnixProcess(folder.Path() + "ptrmain.exe", "/Execute"), kind, board, early);
    folder.Stop();
    return row;
}

}  // namespace

void RunMemory(const Options &options) {
    const int early = options.changes;
    const int copies = early * kLaterFactor;
    Heading("Memory over use: own memory (RssAnon, KiB) after start-up, " + std::to_string(early) + " and " +
            std::to_string(copies) + " handled copies");
    std::printf("  %-40s %9s %9s %9s %9s %9s\n", "", "start", std::to_string(early).c_str(),
                std::to_string(copies).c_str(), "growth", "B/copy");
    BoardView board;
    for (const Program &program : options.programs)
        for (const CopyKindInfo &kind : kCopyKinds)
            Print(program.label + "ptrmain, " + kind.label, MeasureProgram(program, kind.kind, board, early), copies);
    Child viewer("viewer", {"textonly", "listener"});
    if (!viewer.Ok()) {
        Failure("the bare viewer did not start");
        return;
    }
    Print("baseline: bare viewer, text only", Measure(FindUnixProcess(viewer.Token()), CopyKind::TextOnly, board, early),
          copies);
    Note("growth and B/copy: from after " + std::to_string(early) + " copies to after " + std::to_string(copies) +
         "; each copy is waited for until handled");
    Note("joining clears its kept text every 100 copies (its text grows by design)");
}

}  // namespace ptrbench
