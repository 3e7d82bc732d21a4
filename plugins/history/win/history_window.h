// The history window: the history in the shared picker near the mouse cursor. Delete
// and Ctrl+P change the history at once; Space marks entries; Enter, Shift+Enter and
// Ctrl+Enter choose the marked entries (or the selected one) to paste, to paste as
// text alone, or to queue for 連続貼り付け.
#pragma once
#include <windows.h>

#include <optional>

#include "history_choice.h"
#include "history_keeper.h"

namespace tlxhistory {

// Runs the window to its end and gives what was chosen, if anything.
std::optional<HistoryChoice> ChooseFromHistory(HINSTANCE instance, HistoryKeeper &keeper);

}  // namespace tlxhistory
