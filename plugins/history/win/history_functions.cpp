#include "history_functions.h"

#include "history_window.h"
#include "joined_text.h"
#include "paste_target.h"
#include "plugin_clipboard.h"

namespace tlxhistory {

namespace {
constexpr char kCaption[] = "履歴";
}  // namespace

void RecordClipboard(HistoryKeeper &keeper, HWND activeWindow) {
    if (keeper.PastedByHistory() || CopiedFromSkippedProgram(keeper.Settings(), activeWindow)) return;
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
    if (chosen) PasteEntries(keeper, {*chosen}, EntryForms::kAll, activeWindow);
}

void PasteEntries(HistoryKeeper &keeper, const std::vector<HistoryEntry> &chosen, EntryForms which,
                  HWND activeWindow) {
    if (chosen.empty()) return;
    bool written = false;
    if (chosen.size() == 1) {
        // A chosen entry is used again: it moves to the top as a copy of it would.
        keeper.Entries().Add(chosen.front());
        keeper.Changed();
        written = PutEntryOnClipboard(chosen.front(), which);
    } else {
        written = PutTextOnClipboard(JoinedText(chosen));
    }
    if (!written) return;
    // What was pasted is in the history already, as it was chosen from there.
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
