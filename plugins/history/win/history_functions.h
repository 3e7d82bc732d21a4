// The plug-in's functions of its history.
#pragma once
#include <windows.h>

#include "history_keeper.h"

namespace tlxhistory {

// Adds the clipboard's content as the newest entry: not a private copy, not one
// from a program the settings keep away.
void RecordClipboard(HistoryKeeper &keeper, HWND activeWindow);
// Shows the history window; what was chosen goes on the clipboard (with its
// formatting, or as its text alone when so chosen) and, as the settings say, is
// pasted into the window that was in front, or is queued for 連続貼り付け.
void PasteFromHistory(HINSTANCE instance, HistoryKeeper &keeper, HWND activeWindow);
// Asks, then removes every entry that is not pinned.
void ClearHistory(HistoryKeeper &keeper);
// The plug-in quits: an entry offered and never pasted gives the clipboard back.
void EndPastes();

}  // namespace tlxhistory
