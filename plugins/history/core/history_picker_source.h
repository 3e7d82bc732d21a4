// The history as the picker shows it: its entries in their order, found by their
// text, file names or image row, deleted and pinned in place.
#pragma once
#include <functional>

#include "history.h"
#include "picker_model.h"

namespace tlxhistory {

class HistoryPickerSource : public tlx::PickerSource {
public:
    // changed: called after the picker deleted or pinned an entry.
    HistoryPickerSource(History &history, std::function<void()> changed)
        : history_(history), changed_(std::move(changed)) {}

    size_t Count() const override { return history_.Entries().size(); }
    uint64_t Key(size_t item) const override { return history_.Entries()[item].key; }
    bool Finds(size_t item, std::u16string_view foldedSearch) const override;
    std::u16string RowText(size_t item) const override;
    std::u16string PreviewText(size_t item) const override;
    bool Pinned(size_t item) const override { return history_.Entries()[item].pinned; }
    void Remove(size_t item) override;
    size_t TogglePin(size_t item) override;

private:
    History &history_;
    std::function<void()> changed_;
};

}  // namespace tlxhistory
