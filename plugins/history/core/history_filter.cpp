#include "history_filter.h"

#include "row_text.h"

namespace tlxhistory {

namespace {

// A text entry's UTF-16LE bytes read as code units where they lie: every keystroke
// looks through the whole history, which must not be copied for it.
class StoredUnits {
public:
    explicit StoredUnits(std::string_view bytes) : bytes_(bytes) {}
    size_t size() const { return bytes_.size() / 2; }
    char16_t operator[](size_t at) const {
        return static_cast<char16_t>(static_cast<uint8_t>(bytes_[2 * at]) |
                                     static_cast<uint8_t>(bytes_[2 * at + 1]) << 8);
    }

private:
    std::string_view bytes_;
};

template <typename Units>
bool ContainsFolded(const Units &haystack, std::u16string_view foldedNeedle) {
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

// The text a search looks in besides a text entry's own: the file names one per
// line, or the image's row text.
std::u16string DescribedText(const HistoryEntry &entry) {
    if (entry.kind == EntryKind::kImage) return RowText(entry);
    std::u16string names;
    for (const std::u16string &name : FileListNames(entry.data)) names += name + u'\n';
    return names;
}

bool Finds(const HistoryEntry &entry, std::u16string_view foldedNeedle) {
    if (entry.kind == EntryKind::kText) return ContainsFolded(StoredUnits(entry.data), foldedNeedle);
    return ContainsFolded(DescribedText(entry), foldedNeedle);
}

}  // namespace

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

std::vector<size_t> FilterEntries(const std::vector<HistoryEntry> &entries, std::u16string_view search) {
    const std::u16string needle = FoldForSearch(search);
    std::vector<size_t> found;
    found.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        if (Finds(entries[i], needle)) found.push_back(i);
    return found;
}

}  // namespace tlxhistory
