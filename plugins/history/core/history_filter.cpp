#include "history_filter.h"

#include "row_text.h"
#include "search_fold.h"

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

// The text a search looks in besides a text entry's own: the file names one per
// line, or the image's row text.
std::u16string DescribedText(const HistoryEntry &entry) {
    if (entry.kind == EntryKind::kImage) return RowText(entry);
    std::u16string names;
    for (const std::u16string &name : FileListNames(entry.data)) names += name + u'\n';
    return names;
}

}  // namespace

bool EntryFinds(const HistoryEntry &entry, std::u16string_view foldedSearch) {
    if (entry.kind == EntryKind::kText) return tlx::ContainsFolded(StoredUnits(entry.data), foldedSearch);
    return tlx::ContainsFolded(DescribedText(entry), foldedSearch);
}

}  // namespace tlxhistory
