// What the history window chose and what of it is pasted or queued.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "history_entry.h"
#include "picker_model.h"

namespace tlxhistory {

struct HistoryChoice {
    using Action = tlx::PickerAction;
    Action action = Action::kPaste;
    std::vector<HistoryEntry> entries;   // in the order chosen
};

// The text of an entry where only text is wanted: a text without its other forms, a
// file list as its names one per line; nothing for an image.
std::optional<std::u16string> EntryText(const HistoryEntry &entry);
// What goes on the clipboard for a paste: one entry as it is, its formatted forms
// too, or its text alone for kPasteTextOnly (an image stays itself); several as one
// text of theirs joined by line breaks in their order, images left out. Nothing when
// there is nothing to paste.
std::optional<HistoryEntry> EntryToPaste(const HistoryChoice &choice);
// The texts the entries give, in their order, for the queue of 連続貼り付け.
std::vector<std::u16string> QueueItems(const std::vector<HistoryEntry> &entries);

}  // namespace tlxhistory
