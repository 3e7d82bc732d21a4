// The plug-in's three functions, and the pastes the history window's choice asks for.
#pragma once
#include <windows.h>

#include <vector>

#include "clipboard_entry.h"
#include "history_keeper.h"

namespace tlxhistory {

// Adds the clipboard's content as the newest entry: not a private copy, not one
// from a program the settings keep away, not what the history itself pasted.
void RecordClipboard(HistoryKeeper &keeper, HWND activeWindow);
// Shows the history window; the chosen entry goes on the clipboard and, as the
// settings say, is pasted into the window that was in front.
void PasteFromHistory(HINSTANCE instance, HistoryKeeper &keeper, HWND activeWindow);
// Puts chosen entries on the clipboard and, as the settings say, pastes them into
// activeWindow: one entry in the forms asked for (and moved to the top, as used
// again), several as their texts joined by line breaks in the order given.
void PasteEntries(HistoryKeeper &keeper, const std::vector<HistoryEntry> &chosen, EntryForms which,
                  HWND activeWindow);
// Asks, then removes every entry that is not pinned.
void ClearHistory(HistoryKeeper &keeper);

}  // namespace tlxhistory
