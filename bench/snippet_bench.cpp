// The phrases plug-in with a book of 10,000 phrases: how soon its picker shows after an
// "/Execute:" start, what one keystroke's filtering of the whole book takes, and what a
// phrase's placeholders cost a paste into another program's edit box, each beside a
// baseline of the same run.
#include <string>
#include <utility>
#include <vector>

#include "benches.h"
#include "clipboard_writer.h"
#include "phrase_book.h"
#include "phrase_file.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"
#include "stamp_wait.h"
#include "target_box.h"
#include "unicode_text.h"
#include "watch_trials.h"
#include "window_series.h"

namespace ptrbench {

namespace {

constexpr int kFolders = 100;
constexpr int kPerFolder = 100;
constexpr wchar_t kPickerClass[] = L"tlxSnippetPicker";
const char kOpenPicker[] = "tlxSnippet.tlx/2/1";
const char16_t kClipboardText[] = u"クリップボードの内容";

// What the two pasted phrases are: one with the placeholders a user's phrases hold most
// (the date in 和暦 and by a picture, the time, the clipboard, a counter kept in the
// file), and one of about the same length written out.
const char16_t kWithPlaceholders[] = u"{和暦} {日付:yyyy/MM/dd(ddd)} {時刻:HH:mm} {クリップボード} No.{連番:001} 以上";
const char16_t kPlain[] = u"令和8年12月9日 2026/12/09(水) 23:59 クリップボードの内容 No.001 以上";

// kFolders folders of kPerFolder phrases of about a hundred characters, then the two
// pasted phrases; their numbers.
std::pair<int32_t, int32_t> WriteBook(const ProgramFolder &folder) {
    tlxsnippet::PhraseBook book;
    for (int f = 0; f < kFolders; ++f) {
        const std::u16string folderName = u"フォルダ" + utf::Utf16FromUtf8(std::to_string(f));
        for (int p = 0; p < kPerFolder; ++p) {
            const std::string n = std::to_string(f * kPerFolder + p);
            book.Add(folderName, u"定型文" + utf::Utf16FromUtf8(n),
                     u"お世話になっております。" + utf::Utf16FromUtf8(n) +
                         u"番の件につきまして、下記のとおりご連絡いたします。ご確認のほどよろしくお願いいたします。");
        }
    }
    const int32_t placeholders = book.Add(u"貼り付け", u"置き換えあり", kWithPlaceholders);
    const int32_t plain = book.Add(u"貼り付け", u"置き換えなし", kPlain);
    const std::string dir = folder.Path() + "Plugins\\tlxSnippet\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WriteFileBytes(dir + "Phrases.txt", tlxsnippet::WritePhraseFile(book));
    return {placeholders, plain};
}

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
    folder.Stop();
}

}  // namespace ptrbench
