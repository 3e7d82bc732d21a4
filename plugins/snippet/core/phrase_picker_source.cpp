#include "phrase_picker_source.h"

#include <algorithm>
#include <utility>

#include "search_fold.h"

namespace tlxsnippet {

PhrasePickerSource::PhrasePickerSource(PhraseBook book) { Replace(std::move(book)); }

void PhrasePickerSource::Replace(PhraseBook book) {
    book_ = std::move(book);
    // Looked up once: the picker asks for every row at each keystroke.
    groups_.clear();
    const std::vector<std::u16string> &folders = book_.Folders();
    groups_.reserve(book_.Phrases().size());
    for (const Phrase &phrase : book_.Phrases()) {
        // The phrases of a folder lie together: its place is looked up once.
        if (groups_.empty() || phrase.folder != book_.Phrases()[groups_.size() - 1].folder)
            groups_.push_back(static_cast<size_t>(std::find(folders.begin(), folders.end(), phrase.folder) - folders.begin()));
        else
            groups_.push_back(groups_.back());
    }
}

uint64_t PhrasePickerSource::Key(size_t item) const { return static_cast<uint64_t>(Number(item)); }

bool PhrasePickerSource::Finds(size_t item, std::u16string_view foldedSearch) const {
    const Phrase &phrase = book_.Phrases()[item];
    return tlx::ContainsFolded(phrase.name, foldedSearch) || tlx::ContainsFolded(phrase.text, foldedSearch);
}

std::u16string PhrasePickerSource::RowText(size_t item) const { return book_.Phrases()[item].name; }

std::u16string PhrasePickerSource::PreviewText(size_t item) const { return book_.Phrases()[item].text; }

}  // namespace tlxsnippet
