#include "history_functions.h"

#include "clipboard_entry.h"
#include "clipboard_paste.h"
#include "history_window.h"
#include "plugin_clipboard.h"
#include "start_queue.h"

namespace tlxhistory {

namespace {

constexpr char kCaption[] = "履歴";

tlx::ClipboardPaste &Paster() {
    static tlx::ClipboardPaste paster;
    return paster;
}

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
    // The entry stays on the clipboard, as a copy of it would; an item of 連続貼り付け that
    // was there comes back once the entry is pasted.
    Paster().Paste({EntryContent(*pasted), keeper.Settings().pasteChosen ? activeWindow : nullptr, kCaption, 0,
                           tlx::ClipboardSnapshot::Keep::kQueueItem});
}

void EndPastes() { Paster().Quit(); }

void ClearHistory(HistoryKeeper &keeper) {
    // An action knows no window of the program to own the question: it comes to the front itself.
    if (MessageBoxA(nullptr, "履歴を消去してよろしいですか？", kCaption,
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | MB_TOPMOST) != IDYES)
        return;
    if (keeper.Entries().ClearUnpinned() > 0) keeper.Changed();
}

}  // namespace tlxhistory
