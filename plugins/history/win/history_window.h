// The history window: a search box, the entries it finds and a preview of the
// selected one. Shown near the mouse cursor until an entry is chosen or the
// window is closed (Esc, or another window taking the focus); deleting and
// pinning change the history at once.
#pragma once
#include <windows.h>

#include <optional>

#include "history_entry.h"
#include "history_keeper.h"

namespace tlxhistory {

struct HistoryPick {
    HistoryEntry entry;
    bool textAlone = false;   // Shift+Enter: "テキストのみ貼り付け", without the formatting
};

// Runs the window to its end and gives the chosen entry, if any.
std::optional<HistoryPick> ChooseFromHistory(HINSTANCE instance, HistoryKeeper &keeper);

}  // namespace tlxhistory
