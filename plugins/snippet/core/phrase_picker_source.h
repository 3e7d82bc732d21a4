// The phrases as the picker offers them: under their folders, found by name or text.
#pragma once
#include <cstdint>
#include <vector>

#include "phrase_book.h"
#include "picker_model.h"

namespace tlxsnippet {

class PhrasePickerSource : public tlx::PickerSource {
public:
    // A copy: the picker's rows change only when the book is replaced (Replace, then
    // tlx::kPickerSourceChanged to the picker), not under its feet.
    explicit PhrasePickerSource(PhraseBook book);
    void Replace(PhraseBook book);

    size_t Count() const override { return book_.Phrases().size(); }
    uint64_t Key(size_t item) const override;
    bool Finds(size_t item, std::u16string_view foldedSearch) const override;
    std::u16string RowText(size_t item) const override;
    std::u16string PreviewText(size_t item) const override;
    size_t Group(size_t item) const override { return groups_[item]; }
    std::u16string GroupName(size_t group) const override { return book_.Folders()[group]; }

    // The number of the phrase an item is (the setting of 定型文を貼り付け).
    int32_t Number(size_t item) const { return book_.Phrases()[item].number; }

private:
    PhraseBook book_;
    std::vector<size_t> groups_;   // each phrase's folder, by its place among the folders
};

}  // namespace tlxsnippet
