// How often the resident program asks the system about the clipboard for one handled
// copy: every call of the clipboard functions in the program's process (its plug-ins
// included), counted in Wine's relay trace of that process. Each call is a round trip to
// the system (under Wine, to its server). bench/run.sh sends this program's error output,
// where the trace of the programs it starts goes, to the file named by --relay-log.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "benches.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "watch_trials.h"

namespace ptrbench {

namespace {

constexpr int kCopies = 50;
constexpr int kWarmup = 5;
constexpr char kDebugKey[] = "Software\\Wine\\Debug";
constexpr char kClipboardCalls[] =
    "user32.OpenClipboard;user32.CloseClipboard;user32.EmptyClipboard;user32.GetClipboardData;"
    "user32.SetClipboardData;user32.IsClipboardFormatAvailable;user32.GetUpdatedClipboardFormats;"
    "user32.EnumClipboardFormats;user32.CountClipboardFormats;user32.GetClipboardSequenceNumber;"
    "user32.GetClipboardOwner;user32.GetPriorityClipboardFormat;user32.GetClipboardFormatNameA;"
    "user32.RegisterClipboardFormatA";

// While it lives, the programs started from here write a relay trace of the clipboard
// functions (and of nothing else, which would slow them down).
class RelayTrace {
public:
    RelayTrace() {
        RegSetKeyValueA(HKEY_CURRENT_USER, kDebugKey, "RelayInclude", REG_SZ, kClipboardCalls, sizeof kClipboardCalls);
        SetEnvironmentVariableA("WINEDEBUG", "+pid,+relay");
    }
    ~RelayTrace() {
        SetEnvironmentVariableA("WINEDEBUG", "-all");
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDebugKey, "RelayInclude");
    }
};

uint64_t FileSize(const std::string &path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The calls of process `pid` in the trace after byte `from`, by function name.
std::map<std::string, int> CountCalls(const std::string &log, uint64_t from, DWORD pid) {
    std::map<std::string, int> calls;
    std::ifstream in(log, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(pid));
    for (std::string line; std::getline(in, line);) {
        const size_t call = line.find(":Call user32.");
        if (line.rfind(prefix, 0) != 0 || call == std::string::npos) continue;
        const size_t name = call + 13;
        ++calls[line.substr(name, line.find('(', name) - name)];
    }
    return calls;
}

void PrintCounts(const std::string &label, const std::map<std::string, int> &calls, int handled) {
    int total = 0;
    std::string each;
    for (const auto &[name, count] : calls) {
        total += count;
        char part[96];
        std::snprintf(part, sizeof part, "%s%s %.1f", each.empty() ? "" : ", ", name.c_str(),
                      static_cast<double>(count) / handled);
        each += part;
    }
    std::printf("  %-58s %6.1f   (%s)\n", label.c_str(), static_cast<double>(total) / handled, each.c_str());
    std::fflush(stdout);
}

void Measure(const std::string &label, ProgramFolder &folder, const Trial &trial, const std::string &log) {
    std::optional<RelayTrace> trace;
    trace.emplace();
    const bool started = StartProgram(folder);
    trace.reset();   // the program has its trace; this process and later ones do without
    if (!started) return;
    for (int i = -kWarmup; i < 0; ++i) trial(i);
    PumpFor(300);
    const uint64_t from = FileSize(log);
    int handled = 0;
    for (int i = 0; i < kCopies; ++i) handled += trial(i).second ? 1 : 0;
    PumpFor(300);   // the trace of the last copy is written
    const std::map<std::string, int> calls = CountCalls(log, from, folder.ProcessId());
    folder.Stop();
    if (handled == 0 || calls.empty()) {
        Failure(label + ": " + std::to_string(handled) + " copies handled, " + std::to_string(calls.size()) +
                " kinds of calls traced");
        return;
    }
    PrintCounts(label, calls, handled);
}

}  // namespace

void RunClipboardQuestions(const Options &options, const std::string &relayLog) {
    Heading("Clipboard questions per handled copy: calls of the clipboard functions in the program's process, " +
            std::to_string(kCopies) + " copies each (listener)");
    if (relayLog.empty()) {
        Failure("no --relay-log: run it through bench/run.sh");
        return;
    }
    ClipboardWriter writer;
    for (const Program &program : options.programs) {
        ProgramFolder textOnly(program.distDir);
        textOnly.AddReleasePlugin("tlxText.tlx");
        textOnly.WriteSettings(SettingsIni({PluginAction("1", "tlxText.tlx/1/1")}));
        Measure(program.label + "text only (tlxText 1)", textOnly, TextOnlyTrial(writer), relayLog);

        ProgramFolder convert(program.distDir);
        SetUpConversionRule(convert);
        Measure(program.label + "pattern AND copy source, replacement (tlxConvert)", convert, ReplacedTrial(writer),
                relayLog);
    }
    Note("per copy: the calls from the program's hearing of the change to the end of its action, with the");
    Note("changes the action itself makes; the copying process's own calls are not counted");
}

}  // namespace ptrbench
