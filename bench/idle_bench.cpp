// Idle cost: what the resident program uses while nothing happens, beside a Windows
// program that only waits in its message loop, measured over the same minute.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "benches.h"
#include "children.h"
#include "clipboard_writer.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "unix_proc.h"

namespace ptrbench {

namespace {

constexpr int kPollMs = 100;

std::string PerMinute(uint64_t before, uint64_t after, double perMinute, double scale, int decimals) {
    return Fixed(static_cast<double>(after - before) / scale * perMinute, decimals);
}

void Print(const char *label, const UnixSample &a, const UnixSample &b, int seconds) {
    if (!a.ok || !b.ok) {
        Failure(std::string(label) + ": its Linux process was not found");
        return;
    }
    const double perMinute = 60.0 / seconds;
    std::printf("  %-38s %9s %9s %9s %7d %9llu %9llu\n", label, PerMinute(a.cpuNs, b.cpuNs, perMinute, 1e6, 3).c_str(),
                PerMinute(a.voluntary, b.voluntary, perMinute, 1, 0).c_str(),
                PerMinute(a.involuntary, b.involuntary, perMinute, 1, 0).c_str(), b.threads,
                static_cast<unsigned long long>(b.rssKb), static_cast<unsigned long long>(b.rssAnonKb));
    std::fflush(stdout);
}

void Prepare(ProgramFolder &folder) {
    folder.AddPlugin(ProbePluginPath(), kProbeFile);
    folder.AddReleasePlugin("tlxText.tlx");
    folder.AddReleasePlugin("tlxInternet.tlx");
    std::vector<WatchLine> watch;
    std::vector<HotkeyLine> hotkeys;
    std::vector<MenuLine> menu;
    for (int i = 0; i < 10; ++i) {
        watch.push_back(PluginAction(i % 2 ? "1" : "HTML Format", i % 2 ? "tlxText.tlx/1/1" : "tlxText.tlx/3/1"));
        hotkeys.push_back(HotkeyLine{1, 'A' + i, MOD_CONTROL | MOD_ALT | MOD_SHIFT, kProbeStamp});
        menu.push_back(MenuLine{"Item " + std::to_string(i + 1), 1, "tlxText.tlx/1/1"});
    }
    folder.WriteSettings(SettingsIni(watch, hotkeys));
    folder.WriteMenu("bench.mnu", MenuIni("Bench", menu));
}

}  // namespace

void RunIdle(const Options &options) {
    const int seconds = options.idleSeconds;
    Heading("Idle: " + std::to_string(seconds) + " s with nothing happening (figures per minute; memory at the end)");
    ProgramFolder folder(BuiltDistDir());
    Prepare(folder);
    if (!folder.Start() || !folder.WaitUntilAnswering(60000)) {
        Failure("ptrmain did not start");
        return;
    }
    // Some work first, so that the minute follows use rather than a fresh start (what
    // use leaves in memory is the memory phase's).
    const int programPid = FindUnixProcess(folder.Path() + "ptrmain.exe", "/Execute");
    ClipboardWriter writer;
    for (int i = 0; i < options.changes; ++i)
        if (writer.Copy("copied text " + std::to_string(i), true)) writer.WaitForTextOnly(3000);
    PumpFor(500);

    Child baseline("idle");
    Child polling("idle", {std::to_string(kPollMs)});
    if (!baseline.Ok() || !polling.Ok()) {
        Failure("the baseline programs did not start");
        return;
    }
    PumpFor(3000);   // start-up is over for all three
    struct Watched {
        const char *label;
        int pid;
        UnixSample before;
    };
    Watched watched[] = {
        {"baseline: a window in GetMessage", FindUnixProcess(baseline.Token()), {}},
        {"control: the same with a 100 ms timer", FindUnixProcess(polling.Token()), {}},
        {"ptrmain, resident", programPid, {}},
    };
    for (Watched &w : watched) w.before = SampleUnixProcess(w.pid);
    PumpFor(static_cast<DWORD>(seconds) * 1000);

    std::printf("  %-38s %9s %9s %9s %7s %9s %9s\n", "", "cpu ms", "wake-ups", "preempt", "threads", "RSS KiB",
                "anon KiB");
    for (const Watched &w : watched) Print(w.label, w.before, SampleUnixProcess(w.pid), seconds);
    Note("cpu ms: time on a processor of all Linux threads of the Wine process (schedstat); GetProcessTimes");
    Note("  is no help here: Wine 8 answers it for another process with the caller's own times");
    Note("wake-ups: voluntary context switches of those threads; a Wine program may switch more than once");
    Note("  per wake-up (a wineserver round trip can be one): the control's timer fires 600 times a minute");
    Note("preempt: involuntary context switches; anon KiB: the process's own resident memory (RssAnon);");
    Note("  RSS includes the shared libraries");
}

}  // namespace ptrbench
