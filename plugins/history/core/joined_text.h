// Several entries pasted at once, as one text.
#pragma once
#include <string>
#include <vector>

#include "history_entry.h"

namespace tlxhistory {

// The entries' texts in the order given, joined by CR LF: a text as it is, a file
// list as its names one to a line; a picture has no text and is left out.
std::u16string JoinedText(const std::vector<HistoryEntry> &entries);

}  // namespace tlxhistory
