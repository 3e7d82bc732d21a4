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
#include "watch_trials.h"

namespace ptrbench {

namespace {

// Text only as the last of `actions` watch actions; the ones ahead wait for a format
// that nothing puts on the clipboard, as rules for other kinds of copies do.
std::vector<WatchLine> TextOnlyLast(size_t actions) {
    std::vector<WatchLine> lines(actions - 1, PluginAction("Porterica Bench Never Copied", "tlxText.tlx/1/1"));
    lines.push_back(PluginAction("1", "tlxText.tlx/1/1"));
    return lines;
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
