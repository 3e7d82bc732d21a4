// The clipboard's content as a history entry, and an entry put back on it.
#pragma once
#include <windows.h>

#include <optional>

#include "clipboard_offer.h"
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

// The entry as a paste offers it (the text with the formatted forms it was recorded
// with, the formatted first; a file list; a picture), as a copy of the user's.
tlx::OfferedContent EntryContent(const HistoryEntry &entry);

}  // namespace tlxhistory
