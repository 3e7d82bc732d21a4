// The history plug-in with a full history of 10,000 entries: what recording costs a
// copy (and a formatted copy against a plain one), how soon its window shows after an
// "/Execute:" start, and what one keystroke's filtering of the whole history takes, each
// beside a baseline of the same run. Then its file: saving and loading 1,000 and 10,000
// entries sealed for the user against the same in the clear, and the program's start with
// 1,000 entries kept.
#include <memory>
#include <string>
#include <vector>

#include "benches.h"
#include "clipboard_writer.h"
#include "earlier_history_file.h"
#include "file_bytes.h"
#include "history_cipher.h"
#include "history_entry.h"
#include "history_file.h"
#include "program_folder.h"
#include "program_start.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"
#include "stamp_wait.h"
#include "watch_trials.h"
#include "window_series.h"

namespace ptrbench {

namespace {

constexpr int kEntries = 10000;
constexpr DWORD kTimeoutMs = 20000;
const char kRecord[] = "tlxHistory.tlx/1/1";
const char kOpenWindow[] = "tlxHistory.tlx/2/1";

// Texts of about a hundred characters, as a user keeps them.
std::vector<tlxhistory::HistoryEntry> Entries(int count) {
    std::vector<tlxhistory::HistoryEntry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string text = "Entry " + std::to_string(i) +
                                 ": a line of copied text as a user keeps it, with some words to search in";
        entries.push_back(tlxhistory::MakeEntry(tlxhistory::EntryKind::kText,
                                                tlxhistory::BytesFromUtf16(std::u16string(text.begin(), text.end()))));
    }
    return entries;
}

enum class FileForm {
    kSealed,   // as the plug-in writes it now
    kClear,    // as it wrote it before it sealed the file (its version 2), and the build before reads
};

std::string HistoryFileOf(const std::vector<tlxhistory::HistoryEntry> &entries, FileForm form) {
    if (form == FileForm::kClear) return historytest::EarlierVersionFile(2, entries);
    tlxhistory::HistoryCipher cipher;
    return cipher.Seal(tlxhistory::SerializeHistory(entries)).value_or("");
}

// The history's file, of `count` entries, and the limit to keep them.
void FillHistory(const ProgramFolder &folder, const std::string &file, int count = kEntries) {
    const std::string dir = folder.Path() + "Plugins\\tlxHistory\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WriteFileBytes(dir + "History.dat", file);
    WriteFileBytes(dir + "Setting.ini", "[Main]\r\nMaxCount=" + std::to_string(count) + "\r\n");
}

void FillHistory(const ProgramFolder &folder, const Program &program) {
    FillHistory(folder, HistoryFileOf(Entries(kEntries), program.earlier ? FileForm::kClear : FileForm::kSealed));
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

constexpr wchar_t kWindowClass[] = L"tlxHistoryWindow";

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
    FillHistory(folder, options.programs.back());
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

// Each of `runs` times: what `job` takes, in milliseconds.
template <typename Job>
Summary Timed(int runs, Job job) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        const int64_t start = Now();
        if (!job()) return Summarize(std::move(samples), static_cast<size_t>(runs - run));
        samples.push_back(TicksToMs(Now() - start));
    }
    return Summarize(std::move(samples));
}

// The plug-in's file code in this process, as the plug-in runs it: a save makes the file's
// bytes from the entries and writes them by safe replacement (on the saver's thread, with
// the key it keeps); a load reads and parses them, unsealing the key as every start does.
void FileRows(const ProgramFolder &folder) {
    const std::string path = folder.Path() + "History.dat";
    for (const int count : {1000, 10000}) {
        const std::vector<tlxhistory::HistoryEntry> entries = Entries(count);
        const std::string n = count == 1000 ? "1,000" : "10,000";
        constexpr int kRuns = 20;
        tlxhistory::HistoryCipher saver;
        saver.Seal("");   // its key made, as at the first save
        Row("baseline: save " + n + " entries in the clear", Timed(kRuns, [&] {
                return tlx::ReplaceFileBytes(path, tlxhistory::SerializeHistory(entries));
            }));
        Row("save " + n + " entries sealed", Timed(kRuns, [&] {
                const auto sealed = saver.Seal(tlxhistory::SerializeHistory(entries));
                return sealed && tlx::ReplaceFileBytes(path, *sealed);
            }));
        WriteFileBytes(path, HistoryFileOf(entries, FileForm::kClear));
        Row("baseline: load " + n + " entries in the clear", Timed(kRuns, [&] {
                const auto bytes = tlx::ReadFileBytes(path);
                return bytes && tlxhistory::ParseHistory(*bytes).has_value();
            }));
        WriteFileBytes(path, HistoryFileOf(entries, FileForm::kSealed));
        Row("load " + n + " entries sealed", Timed(kRuns, [&] {
                tlxhistory::HistoryCipher reader;
                const auto bytes = tlx::ReadFileBytes(path);
                const auto opened = bytes ? reader.Open(*bytes) : tlxhistory::HistoryCipher::Opened{};
                return opened.bytes && tlxhistory::ParseHistory(*opened.bytes).has_value();
            }));
    }
    DeleteFileA(path.c_str());
}

// The program's start to resident with 1,000 entries kept: sealed, and in the clear as the
// program before read it (the build before, when measured, reads only that), beside no
// history. The kinds of start take turns, so that they all see the same load.
void StartRows(const Options &options) {
    const std::string sealed = HistoryFileOf(Entries(1000), FileForm::kSealed);
    const std::string clear = HistoryFileOf(Entries(1000), FileForm::kClear);
    struct Kind {
        std::string label;
        const std::string *file;   // null: no history
        std::unique_ptr<ProgramFolder> folder;
        std::vector<double> resident;
        size_t lost = 0;
    };
    std::vector<Kind> kinds;
    for (const Program &program : options.programs) {
        kinds.push_back({program.label + "start-up, no history kept", nullptr});
        kinds.push_back({program.label + "start-up, 1,000 entries in the clear", &clear});
        if (!program.earlier) kinds.push_back({program.label + "start-up, 1,000 entries sealed", &sealed});
        for (size_t k = kinds.size() - (program.earlier ? 2 : 3); k < kinds.size(); ++k) {
            kinds[k].folder = std::make_unique<ProgramFolder>(program.distDir);
            kinds[k].folder->AddReleasePlugin("tlxHistory.tlx");
            kinds[k].folder->AddPlugin(ProbePluginPath(), kProbeFile);
            kinds[k].folder->WriteSettings(SettingsIni({}));
        }
    }
    BoardView board;
    for (int run = -1; run < 2 * options.startupRuns; ++run) {
        for (Kind &kind : kinds) {
            // Each start finds the file as written: one in the clear is sealed once read.
            FillHistory(*kind.folder, kind.file ? *kind.file : "", 1000);
            if (!kind.file) DeleteFileA((kind.folder->Path() + "Plugins\\tlxHistory\\History.dat").c_str());
            StartTimes times;
            const bool ok = StartOnce(*kind.folder, board, times);
            if (!kind.folder->Stop()) Failure(kind.label + ": ptrmain did not end when asked");
            if (run < 0) continue;   // the first start warms the file cache
            if (ok) kind.resident.push_back(times.resident);
            else ++kind.lost;
        }
    }
    for (Kind &kind : kinds) Row(kind.label, Summarize(std::move(kind.resident), kind.lost));
    Note("the kinds of start in turns, each start of a fresh file; medians of " + std::to_string(2 * options.startupRuns) +
         " starts");
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
    // Each build with its own history file (the one before reads only a file in the clear);
    // the rest of the phase measures this build, whose folder is the last.
    std::unique_ptr<ProgramFolder> recording;
    for (const Program &program : options.programs) {
        recording = std::make_unique<ProgramFolder>(program.distDir);
        ProgramFolder &folder = *recording;
        folder.AddReleasePlugin("tlxText.tlx");
        folder.AddReleasePlugin("tlxHistory.tlx");
        folder.AddPlugin(ProbePluginPath(), kProbeFile);
        FillHistory(folder, program);
        folder.WriteSettings(SettingsIni({PluginAction("1", kRecord), PluginAction("1", "tlxText.tlx/1/1")}));
        if (!StartProgram(folder)) return;
        Row(program.label + "recorded in the history, then text only", TextOnlySeries(options, writer));
        if (!writer.HasText() || writer.HasExtra()) Failure("the last change was not reduced to its text");
        if (&program != &options.programs.back()) folder.Stop();
    }
    Note("end seen by the copying process: its next clipboard update without the second format");
    ProgramFolder &folder = *recording;

    BoardView board;
    const int runs = options.executeRuns;
    LONG stamps = 0;
    Row("baseline: /Execute: of the probe's stamp",
        ExecuteSeries(folder, kProbeStamp, runs, [&] { stamps = board.Board().stamps; },
                      [&] { return WaitForStamp(board, stamps, kTimeoutMs); }, [] {}));
    Row("/Execute: of the history window, until it shows", WindowShownSeries(folder, kOpenWindow, runs, kWindowClass));

    // "1" finds about a third of the entries and a new one on top.
    if (const auto keystrokes = PickerKeystrokes(folder, kOpenWindow, kWindowClass, L'1'))
        Row("one keystroke filters all 10,000 entries, shown", *keystrokes);
    else
        Failure("the history window did not show");
    folder.Stop();
    RecordingRows(options, writer);

    Heading("History file: 1,000 and 10,000 entries sealed for the user, against the same in the clear");
    FileRows(folder);
    Note("in this process, as the plug-in does it: a save serialises and writes by safe replacement (sealed with the "
         "key the saver keeps), a load reads and parses (unsealing the key first, as each start does)");
    Heading("Start-up with the history kept: from launching ptrmain to resident");
    StartRows(options);
}

}  // namespace ptrbench
