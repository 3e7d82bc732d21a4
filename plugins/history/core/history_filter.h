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

// Whether the folded needle occurs in the haystack once folded. An empty needle
// is found everywhere.
bool ContainsFolded(std::u16string_view haystack, std::u16string_view foldedNeedle);

// The text a search looks in: the text, the file names one per line, or the
// image's row text.
std::u16string SearchableText(const HistoryEntry &entry);

// Positions (in entries) of the entries the search text finds, in their order.
std::vector<size_t> FilterEntries(const std::vector<HistoryEntry> &entries, std::u16string_view search);

}  // namespace tlxhistory
