// The clipboard's content as a history entry, and an entry put back on it.
#pragma once
#include <windows.h>

#include <optional>

#include "history_entry.h"
#include "history_settings.h"

namespace tlxhistory {

// Whether the copy on the clipboard came from a program the settings list as not
// to be recorded ("記録しないアプリ"); activeWindow stands for the copying program
// when the clipboard has no owner window.
bool CopiedFromSkippedProgram(const HistorySettings &settings, HWND activeWindow);

// With the clipboard open: a file list, else the Unicode text with the formatted
// forms the copy offers ("HTML Format", "Rich Text Format"), else a bitmap as PNG;
// nothing for a private copy or when none of them is there. No other format is
// asked for: a program that offers more on request is not made to make it.
std::optional<HistoryEntry> ReadClipboardEntry();
// With the clipboard open: the Unicode text up to its end; nothing when there is none.
std::optional<std::u16string> ReadClipboardText();

// Opens the clipboard and replaces its content with the entry (text in its three
// forms with the formatted forms it was recorded with; a file list; a bitmap),
// carrying no marks of the copy it replaces.
bool PutEntryOnClipboard(const HistoryEntry &entry);

}  // namespace tlxhistory
