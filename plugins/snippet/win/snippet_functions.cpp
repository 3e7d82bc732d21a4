#include "snippet_functions.h"

#include "current_copy.h"
#include "host_services.h"
#include "input_dialog.h"
#include "module_folder.h"
#include "phrase_editor.h"
#include "phrase_paste.h"
#include "picker_window.h"
#include "plugin_clipboard.h"
#include "profile_file.h"
#include "system_context.h"

namespace tlxsnippet {

namespace {

void Notice(const char *text) {
    // An action knows no window of the program to own it: it comes to the front itself.
    MessageBoxA(nullptr, text, "定型文", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

bool SamePlaces(const SnippetOptions &a, const SnippetOptions &b) {
    return a.phraseFolder == b.phraseFolder && a.teamFolder == b.teamFolder && a.backupFolder == b.backupFolder &&
           a.shareCounts == b.shareCounts;
}

}  // namespace

void OpenPhrases(SnippetState &state) {
    state.options.Load(*tlx::PluginSettingsFile());
    state.library.OnChange(
        [&state] {
            if (state.picker && state.pickerSource) {
                state.pickerSource->Replace(state.library.All());
                PostMessageW(state.picker, tlx::kPickerSourceChanged, 0, 0);
            }
        },
        // The names of the phrases are the host's settings of 定型文を貼り付け.
        [] { tlx::TellHostFunctionsChanged(); });
    state.library.Open(state.options);
}

void PastePhrase(SnippetState &state, int32_t number, HWND target) {
    const Phrase *found = state.library.All().Find(number);
    if (!found) {
        Notice("この定型文は削除されています。");
        return;
    }
    // A copy: the phrases may change while an {入力:…} question is open.
    const Phrase phrase = *found;
    PasteContext context = SystemPasteContext();
    context.pastes = phrase.pastes;
    context.ask = [&](const std::vector<std::u16string> &fields) { return AskInputs(tlx::OwnModule(), nullptr, fields); };
    const std::optional<Expansion> expansion = ExpandPhrase(phrase.text, context);
    // Only a paste whose keys went counts: one left for the user's own Ctrl+V may never be.
    if (!expansion || !PastePhraseText(state.paster, *expansion, target, state.options)) return;
    // The texts kept beside others after a conflict are numbered for this run only.
    if (expansion->counts && !phrase.conflictOf) state.library.CountPaste(number);
}

void PickPhrase(SnippetState &state, HWND target) {
    PhrasePickerSource source(state.library.All());
    const tlx::PickerOptions options{.className = L"tlxSnippetPicker",
                                     .title = L"定型文",
                                     .features = {},
                                     .place = tlx::PickerPlace::kNearCaret,
                                     .front = target,
                                     .watch = [&](HWND picker) {
                                         state.picker = picker;
                                         state.pickerSource = picker ? &source : nullptr;
                                     }};
    if (const std::optional<tlx::PickerChoice> choice = tlx::RunPicker(tlx::OwnModule(), source, options))
        PastePhrase(state, source.Number(choice->items.front()), target);
}

void RegisterClipboard(SnippetState &state) {
    if (tlx::CurrentCopy()->isPrivate) return;
    std::u16string text;
    {
        tlx::ClipboardSession clipboard;
        if (!clipboard.IsOpen()) return;
        if (std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms()) text = std::move(forms->unicode);
    }
    const std::u16string name = NameFromText(text);
    if (name.empty()) return;
    const PhraseBook &before = state.library.Own();
    PhraseBook after = before;
    if (!after.Add(kUnsortedFolder, FreePhraseName(after, kUnsortedFolder, name), text)) return;
    state.library.Change(state.library.State(), before, after);
}

void EditPhrases(SnippetState &state, HWND owner, int32_t selectNumber) {
    PhraseLibrary &library = state.library;
    // What the editor starts from: changes arriving meanwhile stay beside the user's.
    const PhraseState base = library.State();
    const PhraseBook before = library.Own();
    PhraseBook book = before;
    SnippetOptions options = state.options;
    const EditorExtras extras{library.Team(), [&library] { return library.Backups(); },
                              [&library](const PhraseBackup &backup) { return library.ReadBackup(backup); }};
    if (!ShowPhraseEditor(tlx::OwnModule(), owner, book, options, selectNumber, extras)) return;
    library.Change(base, before, book);
    const bool moved = !SamePlaces(options, state.options);
    state.options = options;
    state.options.Save(*tlx::PluginSettingsFile());
    if (moved) library.Reopen(state.options);
}

}  // namespace tlxsnippet
