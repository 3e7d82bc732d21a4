// Which entries a search text finds: anywhere in the entry, letter case aside,
// full-width and half-width letters and digits alike.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "history_entry.h"

namespace tlxhistory {

// Full-width ASCII forms (U+FF01–FF5E) and the ideographic space become their
// half-width forms, ASCII capitals small letters.
char16_t FoldForSearch(char16_t unit);
std::u16string FoldForSearch(std::u16string_view text);

// Positions (in entries) of the entries the search text finds, in their order:
// it is looked for in the text, in the file names, or in an image's row text.
std::vector<size_t> FilterEntries(const std::vector<HistoryEntry> &entries, std::u16string_view search);

}  // namespace tlxhistory
