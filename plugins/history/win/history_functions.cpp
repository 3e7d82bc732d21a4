#include "history_functions.h"

#include "clipboard_entry.h"
#include "history_window.h"
#include "paste_target.h"
#include "plugin_clipboard.h"
#include "start_queue.h"

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
    const std::optional<HistoryChoice> choice = ChooseFromHistory(instance, keeper);
    if (!choice) return;
    if (choice->action == HistoryChoice::Action::kQueue) {
        // Pictures alone give nothing to queue: the mode is not started for nothing.
        const std::vector<std::u16string> items = QueueItems(choice->entries);
        if (!items.empty()) StartQueue(items);
        return;
    }
    const std::optional<HistoryEntry> pasted = EntryToPaste(*choice);
    if (!pasted) return;
    // One chosen entry is used again: it moves to the top as a copy of it would.
    // Several joined are a text of their own; they keep their places.
    if (choice->entries.size() == 1) {
        keeper.Entries().Add(choice->entries.front());
        keeper.Changed();
    }
    if (!PutEntryOnClipboard(*pasted)) return;
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
