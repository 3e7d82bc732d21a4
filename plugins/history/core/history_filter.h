// Which entries a search text finds: anywhere in the entry, letter case aside,
// full-width and half-width letters and digits alike (tlx::FoldForSearch).
#pragma once
#include <string_view>

#include "history_entry.h"

namespace tlxhistory {

// Whether the folded search text is in the entry's text, in its file names, or in
// an image's row text.
bool EntryFinds(const HistoryEntry &entry, std::u16string_view foldedSearch);

}  // namespace tlxhistory
