#include "history_functions.h"

#include "clipboard_entry.h"
#include "history_window.h"
#include "paste_target.h"
#include "plugin_clipboard.h"

namespace tlxhistory {

namespace {
constexpr char kCaption[] = "履歴";
}  // namespace

void RecordClipboard(HistoryKeeper &keeper, HWND activeWindow) {
    if (CopiedFromSkippedProgram(keeper.Settings(), activeWindow)) return;
    std::optional<HistoryEntry> entry;
    {
        tlx::ClipboardSession clipboard;
        if (!clipboard.IsOpen()) return;
        entry = ReadClipboardEntry();
    }
    if (entry && keeper.Entries().Add(std::move(*entry)) != AddResult::kTooLarge) keeper.Changed();
}

void PasteFromHistory(HINSTANCE instance, HistoryKeeper &keeper, HWND activeWindow) {
    const std::optional<HistoryPick> pick = ChooseFromHistory(instance, keeper);
    if (!pick) return;
    // A chosen entry is used again: it moves to the top as a copy of it would.
    keeper.Entries().Add(pick->entry);
    keeper.Changed();
    if (!PutEntryOnClipboard(pick->textAlone ? WithoutForms(pick->entry) : pick->entry)) return;
    keeper.HistoryPasted();
    if (keeper.Settings().pasteChosen && tlx::CanPasteInto(activeWindow)) tlx::PasteInto(activeWindow, kCaption);
}

void ClearHistory(HistoryKeeper &keeper) {
    // An action knows no window of the program to own the question: it comes to the front itself.
    if (MessageBoxA(nullptr, "履歴を消去してよろしいですか？", kCaption,
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | MB_TOPMOST) != IDYES)
        return;
    if (keeper.Entries().ClearUnpinned() > 0) keeper.Changed();
}

}  // namespace tlxhistory
