#include "history_picker_source.h"

#include "history_filter.h"
#include "row_text.h"

namespace tlxhistory {

bool HistoryPickerSource::Finds(size_t item, std::u16string_view foldedSearch) const {
    return EntryFinds(history_.Entries()[item], foldedSearch);
}

std::u16string HistoryPickerSource::RowText(size_t item) const { return tlxhistory::RowText(history_.Entries()[item]); }

std::u16string HistoryPickerSource::PreviewText(size_t item) const {
    return tlxhistory::PreviewText(history_.Entries()[item]);
}

void HistoryPickerSource::Remove(size_t item) {
    if (history_.Remove(item)) changed_();
}

size_t HistoryPickerSource::TogglePin(size_t item) {
    const size_t moved = history_.TogglePin(item);
    changed_();
    return moved;
}

}  // namespace tlxhistory
