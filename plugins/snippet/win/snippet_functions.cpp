#include "snippet_functions.h"

#include "current_copy.h"
#include "host_services.h"
#include "input_dialog.h"
#include "module_folder.h"
#include "phrase_file.h"
#include "phrase_paste.h"
#include "phrase_picker_source.h"
#include "phrase_store.h"
#include "picker_window.h"
#include "plugin_clipboard.h"
#include "system_context.h"

namespace tlxsnippet {

namespace {

void Notice(const char *text) {
    // An action knows no window of the program to own it: it comes to the front itself.
    MessageBoxA(nullptr, text, "定型文", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace

void PhrasesChanged(SnippetState &state) {
    state.saver.Cancel();   // an older book of counters must not land after this one
    if (!SavePhrases(state.file, state.book)) Notice("定型文を保存できませんでした。");
    tlx::TellHostFunctionsChanged();
}

void PastePhrase(SnippetState &state, int32_t number, HWND target) {
    Phrase *phrase = state.book.Find(number);
    if (!phrase) {
        Notice("この定型文は削除されています。");
        return;
    }
    PasteContext context = SystemPasteContext();
    context.pastes = phrase->pastes;
    context.ask = [&](const std::vector<std::u16string> &fields) { return AskInputs(tlx::OwnModule(), nullptr, fields); };
    const std::optional<Expansion> expansion = ExpandPhrase(phrase->text, context);
    // Only a paste whose keys went counts: one left for the user's own Ctrl+V may never be.
    if (!expansion || !PastePhraseText(state.paster, *expansion, target, state.options) || !expansion->counts) return;
    ++phrase->pastes;
    // On the saver's thread: writing a large book here would keep the window waiting for
    // its text, which it asks this thread for when its Ctrl+V arrives.
    state.saver.Save(state.file, [book = state.book] { return WritePhraseFile(book); });
}

void PickPhrase(SnippetState &state, HWND target) {
    PhrasePickerSource source(state.book);
    const tlx::PickerOptions options{
        .className = L"tlxSnippetPicker", .title = L"定型文", .place = tlx::PickerPlace::kNearCaret, .front = target};
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
    state.book.Add(kUnsortedFolder, FreePhraseName(state.book, kUnsortedFolder, name), text);
    PhrasesChanged(state);
}

}  // namespace tlxsnippet
