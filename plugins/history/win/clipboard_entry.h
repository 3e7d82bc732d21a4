// The clipboard's content as a history entry, and an entry put back on it.
#pragma once
#include <optional>

#include "history_entry.h"

namespace tlxhistory {

// With the clipboard open: a file list, else the Unicode text, else a bitmap as
// PNG; nothing for a private copy or when none of them is there.
std::optional<HistoryEntry> ReadClipboardEntry();
// With the clipboard open: the Unicode text up to its end; nothing when there is none.
std::optional<std::u16string> ReadClipboardText();
// Opens the clipboard and replaces its content with the entry (text in its three
// forms, a file list, a bitmap), carrying no marks of the copy it replaces.
bool PutEntryOnClipboard(const HistoryEntry &entry);

}  // namespace tlxhistory
