// What the history window shows of an entry: a one-line row and the preview
// below the list.
#pragma once
#include <cstddef>
#include <string>

#include "history_entry.h"

namespace tlxhistory {

constexpr size_t kRowUnits = 120;      // of text shown on a row
constexpr size_t kPreviewUnits = 500;  // of text shown in the preview

// The start of a text on one line: line breaks shown as "↓", tabs as "→";
// a file list as its first name and how many there are; an image as "画像 W×H".
std::u16string RowText(const HistoryEntry &entry);
// The whole entry for an edit box: a long text cut (with "…"), file names one
// per line, every line break CR LF; a text that carries formatting begins with a
// line saying so.
std::u16string PreviewText(const HistoryEntry &entry);

}  // namespace tlxhistory
