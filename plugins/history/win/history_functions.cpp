#include "history_functions.h"

#include "clipboard_entry.h"
#include "history_window.h"
#include "paste_target.h"
#include "plugin_clipboard.h"

namespace tlxhistory {

void RecordClipboard(HistoryKeeper &keeper) {
    std::optional<HistoryEntry> entry;
    {
        tlx::ClipboardSession clipboard;
        if (!clipboard.IsOpen()) return;
        entry = ReadClipboardEntry();
    }
    if (entry && keeper.Entries().Add(std::move(*entry)) != AddResult::kTooLarge) keeper.Changed();
}

void PasteFromHistory(HINSTANCE instance, HistoryKeeper &keeper, HWND activeWindow) {
    std::optional<HistoryEntry> chosen = ChooseFromHistory(instance, keeper);
    if (!chosen) return;
    // A chosen entry is used again: it moves to the top as a copy of it would.
    keeper.Entries().Add(*chosen);
    keeper.Changed();
    const bool paste =
        keeper.Settings().pasteChosen && tlx::CanPasteInto(activeWindow) && tlx::BringToFront(activeWindow);
    if (PutEntryOnClipboard(*chosen) && paste) tlx::SendPasteKeys();
}

void ClearHistory(HistoryKeeper &keeper) {
    // An action knows no window of the program to own the question: it comes to the front itself.
    if (MessageBoxA(nullptr, "履歴を消去してよろしいですか？", "履歴",
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | MB_TOPMOST) != IDYES)
        return;
    if (keeper.Entries().ClearUnpinned() > 0) keeper.Changed();
}

}  // namespace tlxhistory
