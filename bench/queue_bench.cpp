// Sequential paste (連続貼り付け): from a paste that takes the queue's head (the pasting program's
// CloseClipboard) to the next item offered on the clipboard, beside a bare owner that
// promises its text again the same way: rendered on request, offered anew once the
// pasting program has closed the clipboard.
#include <string>

#include "benches.h"
#include "children.h"
#include "clipboard_writer.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"

namespace ptrbench {

namespace {

constexpr DWORD kTimeoutMs = 5000;
const char kQueueMode[] = "tlxHistory.tlx/4/1";

// As a program pastes: the clipboard opened, its text asked for (rendered by its owner
// then) and read, the clipboard closed. The reading just before it is closed and the
// sequence number after; 0 when it could not be opened or held no text.
int64_t Paste(HWND window, DWORD &sequence) {
    if (!PumpUntil([window] { return OpenClipboard(window) != FALSE; }, kTimeoutMs)) return 0;
    const HANDLE text = GetClipboardData(CF_UNICODETEXT);
    if (text && GlobalLock(text)) GlobalUnlock(text);
    const int64_t closing = Now();
    CloseClipboard();
    sequence = GetClipboardSequenceNumber();
    return text ? closing : 0;
}

// Another program's text is on the clipboard again since the reading of `sequence`.
bool Offered(HWND window, DWORD sequence) {
    return GetClipboardSequenceNumber() != sequence && GetClipboardOwner() != window &&
           IsClipboardFormatAvailable(CF_UNICODETEXT);
}

Summary PasteSeries(const Options &options, HWND window) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -options.warmup; i < options.changes; ++i) {
        DWORD sequence = 0;
        const int64_t start = Paste(window, sequence);
        int64_t end = 0;
        // Each change posts WM_CLIPBOARDUPDATE to the writer's window, so each look follows a message.
        if (start) PumpUntil([&] {
            if (!Offered(window, sequence)) return false;
            end = Now();
            return true;
        }, kTimeoutMs, 50);
        if (i >= 0) {
            if (start && end) samples.push_back(TicksToMs(end - start));
            else ++lost;
        }
        PumpFor(3);
    }
    return Summarize(std::move(samples), lost);
}

// Copies enough texts for every paste of the series to leave one behind, each waited for
// until the program offers the head again.
bool FillQueue(const Options &options, ClipboardWriter &writer, const ProgramFolder &folder) {
    for (int i = 0; i <= options.warmup + options.changes; ++i) {
        writer.Copy("queued text " + std::to_string(i), false);
        const bool offered = PumpUntil([&] {
            DWORD owner = 0;
            GetWindowThreadProcessId(GetClipboardOwner(), &owner);
            return owner == folder.ProcessId();
        }, kTimeoutMs);
        if (!offered) return false;
    }
    return true;
}

}  // namespace

void RunSequentialPaste(const Options &options) {
    Heading("Sequential paste: from a paste's CloseClipboard to the next item of the queue on the clipboard, " +
            std::to_string(options.changes) + " pastes each");
    ClipboardWriter writer;
    {
        Child owner("promiser");
        if (owner.Ok()) Row("baseline: bare owner promising its text again", PasteSeries(options, writer.Window()));
        else Failure("baseline owner did not start");
    }
    // As released: the history's watch action records every copy.
    ProgramFolder folder(BuiltDistDir());
    folder.AddReleasePlugin("tlxHistory.tlx");
    folder.WriteSettings(SettingsIni({PluginAction("1", "tlxHistory.tlx/1/1")}));
    if (!folder.Start() || !folder.WaitUntilAnswering(60000)) {
        Failure("ptrmain did not start");
        return;
    }
    if (!folder.CallFunction(1, kQueueMode) || !FillQueue(options, writer, folder)) {
        Failure("the queue was not filled");
        return;
    }
    Row("tlxHistory: the next item of the queue offered", PasteSeries(options, writer.Window()));
    Note("end seen by the pasting process: its next clipboard update with another program's text");
}

}  // namespace ptrbench
