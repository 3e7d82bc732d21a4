#include "snippet_functions.h"

#include "current_copy.h"
#include "host_services.h"
#include "input_dialog.h"
#include "module_folder.h"
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
    if (!expansion || !state.paster.Paste(*expansion, target, state.options)) return;
    if (!expansion->counts) return;
    ++phrase->pastes;
    SavePhrases(state.file, state.book);
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
