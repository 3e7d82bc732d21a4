// Latency from a clipboard change made by another process to the end of the watch
// action it triggers, against a bare clipboard viewer that does the same work itself,
// for each way of hearing of changes.
#include <functional>
#include <vector>

#include "benches.h"
#include "children.h"
#include "clipboard_writer.h"
#include "notice_way.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"
#include "stamp_wait.h"

namespace ptrbench {

namespace {

constexpr DWORD kEndTimeoutMs = 3000;
// A pause between changes, so that each change meets a program at rest, as a user's
// copies do.
constexpr DWORD kGapMs = 3;

// One change and the moment its action was seen to end (0: never).
using Trial = std::function<std::pair<int64_t, int64_t>(int index)>;

Summary Series(int changes, int warmup, const Trial &trial) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -warmup; i < changes; ++i) {
        const auto [start, end] = trial(i);
        if (i >= 0) {
            if (start && end)
                samples.push_back(TicksToMs(end - start));
            else
                ++lost;
        }
        PumpFor(kGapMs);
    }
    return Summarize(std::move(samples), lost);
}

Trial TextOnlyTrial(ClipboardWriter &writer) {
    return [&writer](int i) {
        const int64_t start = writer.Copy("copied text " + std::to_string(i), true);
        return std::make_pair(start, start ? writer.WaitForTextOnly(kEndTimeoutMs) : 0);
    };
}

Trial StampTrial(ClipboardWriter &writer, BoardView &board) {
    return [&writer, &board](int i) {
        const LONG before = board.Board().stamps;
        const int64_t start = writer.Copy("copied text " + std::to_string(i), false);
        return std::make_pair(start, start ? WaitForStamp(board, before, kEndTimeoutMs) : 0);
    };
}

// Text only as the last of `actions` watch actions; the ones ahead wait for a format
// that nothing puts on the clipboard, as rules for other kinds of copies do.
std::vector<WatchLine> TextOnlyLast(size_t actions) {
    std::vector<WatchLine> lines(actions - 1, PluginAction("Porterica Bench Never Copied", "tlxText.tlx/1/1"));
    lines.push_back(PluginAction("1", "tlxText.tlx/1/1"));
    return lines;
}

// A 1 KiB copy that the conversion rule below rewrites: its pattern matches at the start.
Trial ReplacedTrial(ClipboardWriter &writer) {
    return [&writer](int i) {
        std::string text = "ID-" + std::to_string(i) + " ";
        text.resize(1024, 'x');
        const int64_t start = writer.Copy(text, true);
        return std::make_pair(start, start ? writer.WaitForTextOnly(kEndTimeoutMs) : 0);
    };
}

// A watch rule of the conversion plug-in: the copy matches a pattern AND comes from this
// benchmark's program, then a regular-expression replacement writes it back (as text only).
void SetUpConversionRule(const ProgramFolder &folder) {
    folder.AddReleasePlugin("tlxConvert.tlx");
    const std::string dir = folder.Path() + "Plugins\\tlxConvert";
    CreateDirectoryA(dir.c_str(), nullptr);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string selfPath = self;
    const std::string ini = dir + "\\Setting.ini";
    const std::string values[][3] = {
        {"Pattern01", "Pattern", "\"^ID-\\d+ \""},
        {"Pattern01", "Regex", "1"},
        {"Program01", "Programs", "\"" + selfPath.substr(selfPath.find_last_of('\\') + 1) + "\""},
        {"Replace01", "Find", "\"ID-(\\d+)\""},
        {"Replace01", "Replace", "\"No.$1\""},
        {"Replace01", "Regex", "1"},
    };
    for (const auto &v : values) WritePrivateProfileStringA(v[0].c_str(), v[1].c_str(), v[2].c_str(), ini.c_str());
    folder.WriteSettings(SettingsIni({PluginAction("1", "tlxConvert.tlx/11/1", "tlxConvert.tlx/12/1,tlxConvert.tlx/13/1")}));
}

bool StartProgram(ProgramFolder &folder) {
    if (folder.Start() && folder.WaitUntilAnswering(60000)) return true;
    Failure("ptrmain did not start");
    return false;
}

// The same job measured for each way of hearing of changes, the program's and its
// baseline's alike: the format listener, and the viewer chain where systems have no
// listener (the host DLL's test switch).
void BothWays(const std::function<void(NoticeWay way, const std::string &how)> &rows) {
    for (NoticeWay way : {NoticeWay::Listener, NoticeWay::ViewerChain}) {
        NoticeWaySwitch chosen(way);
        rows(way, NoticeWayName(way));
    }
}

}  // namespace

void RunWatchLatency(const Options &options) {
    Heading("Clipboard watch: from another process's change (its CloseClipboard) to the end of the action, " +
            std::to_string(options.changes) + " changes each");
    ClipboardWriter writer;
    BoardView board;

    BothWays([&](NoticeWay way, const std::string &how) {
        {
            Child viewer("viewer", {"textonly", how});
            if (viewer.Ok()) Row("baseline, " + how + ": bare viewer does text only", Series(options.changes, options.warmup, TextOnlyTrial(writer)));
            else Failure("baseline viewer did not start");
        }
        const struct {
            const char *label;
            size_t actions;
            const char *mainLines;
        } programs[] = {
            {"text only (tlxText 1)", 1, ""},
            {"text only, private copies not told apart", 1, "IgnorePrivate= 0\r\n"},
            {"1,000 actions, the last text only", 1000, ""},
        };
        for (const auto &program : programs) {
            ProgramFolder folder(BuiltDistDir());
            folder.AddReleasePlugin("tlxText.tlx");
            folder.WriteSettings(SettingsIni(TextOnlyLast(program.actions), {}, program.mainLines));
            if (StartProgram(folder))
                Row("ptrmain, " + how + ": " + program.label, Series(options.changes, options.warmup, TextOnlyTrial(writer)));
            if (!writer.HasText() || writer.HasExtra()) Failure("the last change was not reduced to its text");
        }

        ProgramFolder convert(BuiltDistDir());
        SetUpConversionRule(convert);
        if (StartProgram(convert))
            Row("ptrmain, " + how + ": pattern AND copy source, regex replacement of 1 KiB (tlxConvert)",
                Series(options.changes, options.warmup, ReplacedTrial(writer)));
        if (!writer.HasText() || writer.HasExtra()) Failure("the last 1 KiB copy was not replaced");
    });
    Note("end seen by the copying process: its next clipboard update without the second format");

    BothWays([&](NoticeWay way, const std::string &how) {
        {
            Child viewer("viewer", {"stamp", how});
            const std::string message = way == NoticeWay::Listener ? "WM_CLIPBOARDUPDATE" : "WM_DRAWCLIPBOARD";
            if (viewer.Ok()) Row("baseline, " + how + ": stamps on " + message, Series(options.changes, options.warmup, StampTrial(writer, board)));
            else Failure("baseline viewer did not start");
        }
        ProgramFolder folder(BuiltDistDir());
        folder.AddPlugin(ProbePluginPath(), kProbeFile);
        folder.WriteSettings(SettingsIni({PluginAction("1", kProbeStamp, kProbeAccept)}));
        const LONG checksBefore = board.Board().checks, stampsBefore = board.Board().stamps;
        if (StartProgram(folder)) Row("ptrmain, " + how + ": check + action (probe)", Series(options.changes, options.warmup, StampTrial(writer, board)));
        if (board.Board().checks - checksBefore != board.Board().stamps - stampsBefore)
            Failure("checks and actions do not pair up: " + std::to_string(board.Board().checks - checksBefore) +
                    " checks, " + std::to_string(board.Board().stamps - stampsBefore) + " actions");
    });
    Note("end: QueryPerformanceCounter stamped by the action function itself");
}

}  // namespace ptrbench
