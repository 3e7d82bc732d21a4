// A phrase pasted over a copy from an office program, which only promises its forms:
// which of them the program asks the copying program for (each a render it must do), and
// what the paste and the giving back of the copy take, beside the same paste over a copy
// of the same text alone.
#include <functional>
#include <string>
#include <vector>

#include "benches.h"
#include "clipboard_writer.h"
#include "office_owner.h"
#include "phrase_book.h"
#include "phrase_file.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_board.h"
#include "target_box.h"
#include "watch_trials.h"
#include "window_series.h"

namespace ptrbench {

namespace {

constexpr int kPastes = 20;

// Whether the clipboard holds the cells' text again, the phrase gone.
bool CopyGivenBack() {
    if (!OpenClipboard(nullptr)) return false;
    bool back = false;
    if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
        back = OfficeOwner::Text() == static_cast<const char16_t *>(GlobalLock(text));
        GlobalUnlock(text);
    }
    CloseClipboard();
    return back;
}

struct Pasted {
    std::vector<double> paste, givenBack;
    size_t lost = 0;
};

// `copy` puts the copy on the clipboard before each paste.
Pasted PasteOver(const ProgramFolder &folder, const TargetBox &box, const std::function<void()> &copy) {
    Pasted pasted;
    for (int i = -2; i < kPastes; ++i) {
        int64_t start = 0;
        const std::optional<double> ms = ExecuteOnce(
            folder, "tlxSnippet.tlx/1/1",
            [&] {
                copy();
                box.Prepare();
                start = Now();
            },
            [&] { return box.WaitForPaste(); }, [] {});
        const bool back = ms && PumpUntil(CopyGivenBack, kWindowTimeoutMs, 1);
        if (i < 0) continue;
        if (!ms || !back) {
            ++pasted.lost;
            continue;
        }
        pasted.paste.push_back(*ms);
        pasted.givenBack.push_back(TicksToMs(Now() - start));
    }
    return pasted;
}

std::string Joined(const std::vector<std::string> &names) {
    std::string joined;
    for (const std::string &name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined.empty() ? "none" : joined;
}

}  // namespace

void RunPasteOwner(const Options &options) {
    Heading("A phrase pasted over a copy of spreadsheet cells (" + std::to_string(kPastes) + " pastes each)");
    OfficeOwner owner;
    ClipboardWriter writer;
    TargetBox box;
    for (const Program &program : options.programs) {
        ProgramFolder folder(program.distDir);
        folder.AddReleasePlugin("tlxSnippet.tlx");
        tlxsnippet::PhraseBook book;
        book.Add(u"挨拶", u"定型", u"いつもお世話になっております。");
        const std::string dir = folder.Path() + "Plugins\\tlxSnippet\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        WriteFileBytes(dir + "Phrases.txt", tlxsnippet::WritePhraseFile(book));
        folder.WriteSettings(SettingsIni({}));
        if (!StartProgram(folder)) continue;

        std::vector<std::string> asked;
        double renderMs = 0;
        const Pasted office = PasteOver(folder, box, [&] {
            asked = owner.Asked();
            renderMs = owner.RenderMs();
            owner.Copy();
        });
        asked = owner.Asked();
        renderMs = owner.RenderMs();
        const Pasted plain = PasteOver(folder, box, [&] {
            const std::u16string &text = OfficeOwner::Text();
            writer.CopyBlocks({{CF_UNICODETEXT, std::string(reinterpret_cast<const char *>(text.c_str()),
                                                           (text.size() + 1) * sizeof(char16_t))}});
        });
        folder.Stop();
        Row(program.label + "baseline: over its text alone, pasted", Summarize(plain.paste, plain.lost));
        Row(program.label + "over the cells, pasted", Summarize(office.paste, office.lost));
        Row(program.label + "baseline: over its text alone, given back", Summarize(plain.givenBack, plain.lost));
        Row(program.label + "over the cells, given back", Summarize(office.givenBack, office.lost));
        Note(program.label + "asked of the office program, per paste: " + Joined(asked) + " (of " +
             std::to_string(owner.Offered()) + " offered; " + Fixed(renderMs) + " ms of rendering)");
    }
    Note("pasted: from creating \"ptrmain /Execute:\" to the phrase in another program's edit box; given back:");
    Note("to the copy's text on the clipboard again");
}

}  // namespace ptrbench
