// The phrases plug-in with a book of 10,000 phrases: how soon its picker shows after an
// "/Execute:" start, what one keystroke's filtering of the whole book takes, what a
// phrase's placeholders cost a paste into another program's edit box, and how soon a
// change from another PC, arriving in the folder as a sync client brings it, shows in
// the open picker, each beside a baseline of the same run.
#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "benches.h"
#include "clipboard_writer.h"
#include "phrase_file.h"
#include "phrase_numbers.h"
#include "picker_window.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "snippet_book.h"
#include "stamp_board.h"
#include "stamp_wait.h"
#include "target_box.h"
#include "unicode_text.h"
#include "watch_trials.h"
#include "window_series.h"

namespace ptrbench {

namespace {

constexpr wchar_t kPickerClass[] = L"tlxSnippetPicker";
const char kOpenPicker[] = "tlxSnippet.tlx/2/1";
const char16_t kClipboardText[] = u"クリップボードの内容";

// Each phrase from "/Execute:" of its setting to its text in the box, the two in turns so
// that both see the same load.
void PasteRows(const Options &options, const ProgramFolder &folder, int32_t placeholders, int32_t plain) {
    TargetBox box;
    ClipboardWriter writer;   // what {クリップボード} reads; the paste gives it back each time
    const std::u16string copied = kClipboardText;
    writer.CopyBlocks({{CF_UNICODETEXT, std::string(reinterpret_cast<const char *>(copied.c_str()),
                                                   (copied.size() + 1) * sizeof(char16_t))}});
    std::vector<double> samples[2];
    size_t lost[2] = {0, 0};
    for (int i = -2; i < options.executeRuns; ++i)
        for (const int kind : {0, 1}) {
            const int32_t number = kind ? placeholders : plain;
            const std::optional<double> ms = ExecuteOnce(folder, "tlxSnippet.tlx/1/" + std::to_string(number),
                                                         [&] { box.Prepare(); }, [&] { return box.WaitForPaste(); }, [] {});
            if (i < 0) continue;
            if (ms) samples[kind].push_back(*ms);
            else ++lost[kind];
        }
    Row("baseline: a plain phrase pasted", Summarize(std::move(samples[0]), lost[0]));
    Row("a phrase with placeholders pasted", Summarize(std::move(samples[1]), lost[1]));
    Note("from creating \"ptrmain /Execute:\" to the text in another program's edit box; the two in turns");
}

// Stamps the system's notices of changes in a folder, as a bare watcher hears them.
class FolderNotices {
public:
    explicit FolderNotices(const std::string &folder)
        : change_(FindFirstChangeNotificationA(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE)),
          stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_(CreateThread(nullptr, 0, &FolderNotices::Run, this, 0, nullptr)) {}
    ~FolderNotices() {
        SetEvent(stop_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(stop_);
        FindCloseChangeNotification(change_);
    }
    FolderNotices(const FolderNotices &) = delete;
    FolderNotices &operator=(const FolderNotices &) = delete;
    // The first notice since the last Clear; 0 while none came.
    int64_t First() const { return first_; }
    void Clear() { first_ = 0; }

private:
    static DWORD WINAPI Run(void *self) {
        auto *notices = static_cast<FolderNotices *>(self);
        const HANDLE handles[] = {notices->stop_, notices->change_};
        while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
            int64_t none = 0;
            notices->first_.compare_exchange_strong(none, Now());
            FindNextChangeNotification(notices->change_);
        }
        return 0;
    }

    HANDLE change_, stop_, thread_;
    std::atomic<int64_t> first_{0};
};

// Another PC's file of the whole book and one phrase more each time, written into the
// folder as a sync client brings a file down (a temporary file, then renamed over the old
// one), until the open picker shows the phrase; beside the system's notice of the rename
// to a bare watcher in this process.
void ArrivalRows(const Options &options, const ProgramFolder &folder) {
    const std::string dir = folder.Path() + "Plugins\\tlxSnippet\\";
    WIN32_FIND_DATAA own;
    const HANDLE search = FindFirstFileA((dir + "Phrases-*.txt").c_str(), &own);
    if (search == INVALID_HANDLE_VALUE) return Failure("the phrases were not taken over");
    FindClose(search);
    tlxsnippet::PhraseState book = tlxsnippet::ReadPhrases(ReadFileBytes(dir + own.cFileName), u"").state;
    HANDLE start = folder.Run(std::string("/Execute:1:") + kOpenPicker);
    PumpUntil([] { return VisibleWindowOf(kPickerClass) != nullptr; }, kWindowTimeoutMs);
    CloseHandle(start);
    const HWND list = GetDlgItem(VisibleWindowOf(kPickerClass), tlx::kPickerList);
    if (!list) return Failure("the picker did not show");
    const auto rows = [&] {
        DWORD_PTR count = 0;
        SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kWindowTimeoutMs, &count);
        return count;
    };
    FolderNotices notices(dir);
    const std::u16string other = u"PC-BENCH";
    const int32_t first = tlxsnippet::BlockNumbers(tlxsnippet::ChooseBlock(other, {})).first;
    std::vector<double> shown, noticed;
    size_t lost = 0;
    for (int i = -2; i < options.executeRuns; ++i) {
        tlxsnippet::PhraseVersion arrived{first + i + 2, {}, 1767225600 + i, false, u"届いた", u"届いた定型文", u"本文"};
        arrived.name += utf::Utf16FromUtf8(std::to_string(i + 2));
        arrived.versions.Bump(other);
        book.Absorb(std::move(arrived));
        const std::string partial = dir + "~Phrases-PC-BENCH.txt.sync";
        WriteFileBytes(partial, tlxsnippet::WritePhrases(book, other, 0));
        const DWORD_PTR before = rows();
        notices.Clear();
        MoveFileExA(partial.c_str(), (dir + "Phrases-PC-BENCH.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
        const int64_t landed = Now();
        const bool came = PumpUntil([&] { return rows() > before; }, kWindowTimeoutMs, 1);
        const int64_t seen = Now();
        PumpFor(300);   // the program quiet again before the next file lands
        if (i < 0) continue;
        if (!came) {
            ++lost;
            continue;
        }
        shown.push_back(TicksToMs(seen - landed));
        if (notices.First()) noticed.push_back(TicksToMs(std::max<int64_t>(notices.First() - landed, 0)));
    }
    PostMessageW(VisibleWindowOf(kPickerClass), WM_CLOSE, 0, 0);
    Row("baseline: the system's notice of the rename, to a bare watcher", Summarize(std::move(noticed)));
    Row("a change from another PC (all 10,000 phrases and one more) shown in the open picker", Summarize(std::move(shown), lost));
    Note("from the rename of the arriving file over the old one to the picker's one row more");
}

}  // namespace

void RunSnippet(const Options &options) {
    Heading("Phrases: 10,000 phrases in 100 folders");
    ProgramFolder folder(BuiltDistDir());
    folder.AddReleasePlugin("tlxSnippet.tlx");
    folder.AddPlugin(ProbePluginPath(), kProbeFile);
    const auto [placeholders, plain] = WriteBook(folder);
    folder.WriteSettings(SettingsIni({}));
    if (!StartProgram(folder)) return;

    BoardView board;
    LONG stamps = 0;
    Row("baseline: /Execute: of the probe's stamp",
        ExecuteSeries(folder, kProbeStamp, options.executeRuns, [&] { stamps = board.Board().stamps; },
                      [&] { return WaitForStamp(board, stamps, kWindowTimeoutMs); }, [] {}));
    Row("/Execute: of the picker, until it shows", WindowShownSeries(folder, kOpenPicker, options.executeRuns, kPickerClass));
    // "1" finds a tenth of the phrases by their names and texts.
    if (const auto keystrokes = PickerKeystrokes(folder, kOpenPicker, kPickerClass, L'1'))
        Row("one keystroke filters all 10,000 phrases, shown", *keystrokes);
    else
        Failure("the picker did not show");
    PasteRows(options, folder, placeholders, plain);
    ArrivalRows(options, folder);
    folder.Stop();
}

}  // namespace ptrbench
