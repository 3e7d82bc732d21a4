// The history plug-in with a full history of 10,000 entries: what recording costs a
// copy (and a formatted copy against a plain one), how soon its window shows after an
// "/Execute:" start, and what one keystroke's filtering of the whole history takes, each
// beside a baseline of the same run.
#include <string>
#include <vector>

#include "benches.h"
#include "clipboard_writer.h"
#include "history_entry.h"
#include "history_file.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"
#include "stamp_wait.h"

namespace ptrbench {

namespace {

constexpr int kEntries = 10000;
constexpr DWORD kTimeoutMs = 20000;
constexpr int kSearchBox = 2001;   // the history window's search box
const char kRecord[] = "tlxHistory.tlx/1/1";
const char kOpenWindow[] = "tlxHistory.tlx/2/1";

// A history of kEntries texts of about a hundred characters, and the limit to keep them.
void FillHistory(const ProgramFolder &folder) {
    std::vector<tlxhistory::HistoryEntry> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        const std::string text = "Entry " + std::to_string(i) +
                                 ": a line of copied text as a user keeps it, with some words to search in";
        entries.push_back(tlxhistory::MakeEntry(tlxhistory::EntryKind::kText,
                                                tlxhistory::BytesFromUtf16(std::u16string(text.begin(), text.end()))));
    }
    const std::string dir = folder.Path() + "Plugins\\tlxHistory\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WriteFileBytes(dir + "History.dat", tlxhistory::SerializeHistory(entries));
    WriteFileBytes(dir + "Setting.ini", "[Main]\r\nMaxCount=" + std::to_string(kEntries) + "\r\n");
}

Summary TextOnlySeries(const Options &options, ClipboardWriter &writer) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -options.warmup; i < options.changes; ++i) {
        const int64_t start = writer.Copy("copied text " + std::to_string(i), true);
        const int64_t end = start ? writer.WaitForTextOnly(3000) : 0;
        if (i >= 0) {
            if (start && end) samples.push_back(TicksToMs(end - start));
            else ++lost;
        }
        PumpFor(3);
    }
    return Summarize(std::move(samples), lost);
}

HWND VisibleHistoryWindow() {
    const HWND window = FindWindowW(L"tlxHistoryWindow", nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// From creating "ptrmain /Execute:..." to `done` returning a reading; `prepare` runs
// before each start, `after` right after the reading (the window is closed there).
template <typename Prepare, typename Done, typename After>
Summary ExecuteSeries(const ProgramFolder &folder, const std::string &option, int runs, Prepare prepare, Done done,
                      After after) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -2; i < runs; ++i) {
        prepare();
        const int64_t t0 = Now();
        HANDLE process = folder.Run("/Execute:1:" + option);
        const int64_t t1 = done();
        after();
        // The starting process returns once the function has; the program is idle again.
        if (process) {
            WaitPumping(process, kTimeoutMs);
            CloseHandle(process);
        }
        if (i < 0) continue;
        if (t1) samples.push_back(TicksToMs(t1 - t0));
        else ++lost;
        PumpFor(50);
    }
    return Summarize(std::move(samples), lost);
}

bool StartProgram(ProgramFolder &folder) {
    if (folder.Start() && folder.WaitUntilAnswering(60000)) return true;
    Failure("ptrmain did not start");
    return false;
}

// A copied paragraph as a browser or an office program puts it: about 100 characters of
// text, about 1.5 KB of "HTML Format" and 3 KB of "Rich Text Format". Each copy differs,
// so that each is recorded as a new entry.
std::vector<ClipboardBlock> ParagraphCopy(int i, bool formatted) {
    const std::string text = "Paragraph " + std::to_string(i) +
                             ": a line of copied text as a user keeps it, with some words to search in";
    std::vector<ClipboardBlock> blocks = {{CF_TEXT, text + '\0'}};
    if (!formatted) return blocks;
    std::string html = "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:0\r\nEndFragment:0\r\n"
                       "<html><body><!--StartFragment-->";
    while (html.size() < 1400) html += "<p style=\"font-family:Meiryo;color:#333\"><b>" + text + "</b></p>";
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Meiryo;}}";
    while (rtf.size() < 3000) rtf += "{\\pard\\f0\\fs21\\b " + text + "\\par}";
    blocks.push_back({RegisterClipboardFormatA("HTML Format"), html + "<!--EndFragment--></body></html>" + '\0'});
    blocks.push_back({RegisterClipboardFormatA("Rich Text Format"), rtf + "}" + '\0'});
    return blocks;
}

// From the copying process's CloseClipboard to the probe's stamp by the action after
// "履歴に記録", for copies of text alone and with HTML and RTF taken in turns, so that
// both see the same load.
void RecordingRows(const Options &options, ClipboardWriter &writer) {
    ProgramFolder folder(BuiltDistDir());
    folder.AddReleasePlugin("tlxHistory.tlx");
    folder.AddPlugin(ProbePluginPath(), kProbeFile);
    FillHistory(folder);
    folder.WriteSettings(SettingsIni({PluginAction("1", kRecord), PluginAction("1", kProbeStamp)}));
    if (!StartProgram(folder)) return;
    BoardView board;
    std::vector<double> samples[2];
    size_t lost[2] = {0, 0};
    for (int i = -options.warmup; i < options.changes; ++i) {
        for (const bool formatted : {false, true}) {
            const LONG before = board.Board().stamps;
            const int64_t start = writer.CopyBlocks(ParagraphCopy(i, formatted));
            const int64_t end = start ? WaitForStamp(board, before, 3000) : 0;
            if (i < 0) continue;
            if (start && end) samples[formatted].push_back(TicksToMs(end - start));
            else ++lost[formatted];
            PumpFor(3);
        }
    }
    Row("baseline: a copy of text alone recorded", Summarize(std::move(samples[0]), lost[0]));
    Row("a copy with HTML and RTF recorded", Summarize(std::move(samples[1]), lost[1]));
    Note("end: the probe's stamp by the watch action after the recording; the two kinds of copy in turns");
}

}  // namespace

void RunHistory(const Options &options) {
    Heading("History: 10,000 entries kept, through the format listener (as released)");
    ClipboardWriter writer;
    {
        ProgramFolder folder(BuiltDistDir());
        folder.AddReleasePlugin("tlxText.tlx");
        folder.WriteSettings(SettingsIni({PluginAction("1", "tlxText.tlx/1/1")}));
        if (StartProgram(folder)) Row("baseline: text only alone", TextOnlySeries(options, writer));
    }
    ProgramFolder folder(BuiltDistDir());
    folder.AddReleasePlugin("tlxText.tlx");
    folder.AddReleasePlugin("tlxHistory.tlx");
    folder.AddPlugin(ProbePluginPath(), kProbeFile);
    FillHistory(folder);
    folder.WriteSettings(SettingsIni({PluginAction("1", kRecord), PluginAction("1", "tlxText.tlx/1/1")}));
    if (!StartProgram(folder)) return;
    Row("recorded in the history, then text only", TextOnlySeries(options, writer));
    if (!writer.HasText() || writer.HasExtra()) Failure("the last change was not reduced to its text");
    Note("end seen by the copying process: its next clipboard update without the second format");

    BoardView board;
    const int runs = options.executeRuns;
    LONG stamps = 0;
    Row("baseline: /Execute: of the probe's stamp",
        ExecuteSeries(folder, kProbeStamp, runs, [&] { stamps = board.Board().stamps; },
                      [&] { return WaitForStamp(board, stamps, kTimeoutMs); }, [] {}));
    Row("/Execute: of the history window, until it shows", ExecuteSeries(folder, kOpenWindow, runs, [] {}, [] {
            return PumpUntil([] { return VisibleHistoryWindow() != nullptr; }, kTimeoutMs) ? Now() : 0;
        }, [] {
            if (const HWND window = VisibleHistoryWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
            PumpUntil([] { return VisibleHistoryWindow() == nullptr; }, kTimeoutMs);
        }));

    // One keystroke in the search box, as the box hands it to the window: sent, so the
    // reading after it comes once the list is filled again. "1" finds about a third of
    // the entries and a new one on top; taking it back finds them all again.
    const HANDLE opener = folder.Run("/Execute:1:" + std::string(kOpenWindow));
    const HWND window = PumpUntil([] { return VisibleHistoryWindow() != nullptr; }, kTimeoutMs) ? VisibleHistoryWindow() : nullptr;
    const HWND search = window ? GetDlgItem(window, kSearchBox) : nullptr;
    if (!search) {
        Failure("the history window did not show");
        if (opener) CloseHandle(opener);
        return;
    }
    std::vector<double> samples;
    for (int i = 0; i < 100; ++i) {
        const WPARAM key = i % 2 == 0 ? L'1' : L'\b';
        const int64_t t0 = Now();
        SendMessageW(search, WM_CHAR, key, 1);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);   // until the user sees it
        samples.push_back(TicksToMs(Now() - t0));
    }
    Row("one keystroke filters all 10,000 entries, shown", Summarize(std::move(samples), 0));
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (opener) {
        WaitPumping(opener, kTimeoutMs);
        CloseHandle(opener);
    }
    folder.Stop();
    RecordingRows(options, writer);
}

}  // namespace ptrbench
