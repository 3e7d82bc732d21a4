#include "history_filter.h"

#include "row_text.h"

namespace tlxhistory {

char16_t FoldForSearch(char16_t unit) {
    if (unit >= 0xFF01 && unit <= 0xFF5E) unit = static_cast<char16_t>(unit - 0xFEE0);
    else if (unit == 0x3000) unit = u' ';
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
    return unit;
}

std::u16string FoldForSearch(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t &unit : folded) unit = FoldForSearch(unit);
    return folded;
}

bool ContainsFolded(std::u16string_view haystack, std::u16string_view foldedNeedle) {
    if (foldedNeedle.empty()) return true;
    if (haystack.size() < foldedNeedle.size()) return false;
    const char16_t first = foldedNeedle[0];
    for (size_t at = 0; at + foldedNeedle.size() <= haystack.size(); ++at) {
        if (FoldForSearch(haystack[at]) != first) continue;
        size_t matched = 1;
        while (matched < foldedNeedle.size() && FoldForSearch(haystack[at + matched]) == foldedNeedle[matched])
            ++matched;
        if (matched == foldedNeedle.size()) return true;
    }
    return false;
}

std::u16string SearchableText(const HistoryEntry &entry) {
    switch (entry.kind) {
    case EntryKind::kText:
        return Utf16FromBytes(entry.data);
    case EntryKind::kFiles: {
        std::u16string names;
        for (const std::u16string &name : FileListNames(entry.data)) names += name + u'\n';
        return names;
    }
    case EntryKind::kImage:
        return RowText(entry);
    }
    return {};
}

std::vector<size_t> FilterEntries(const std::vector<HistoryEntry> &entries, std::u16string_view search) {
    const std::u16string needle = FoldForSearch(search);
    std::vector<size_t> found;
    for (size_t i = 0; i < entries.size(); ++i)
        if (needle.empty() || ContainsFolded(SearchableText(entries[i]), needle)) found.push_back(i);
    return found;
}

}  // namespace tlxhistory
