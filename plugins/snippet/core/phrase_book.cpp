#include "phrase_book.h"

#include <algorithm>
#include <utility>

#include "unicode_text.h"

namespace tlxsnippet {

namespace {

constexpr size_t kNameChars = 40;

template <typename Taken>
std::u16string FreeName(const std::u16string &name, Taken taken) {
    if (!taken(name)) return name;
    for (int n = 2;; ++n) {
        const std::u16string candidate = name + u" (" + utf::Utf16FromUtf8(std::to_string(n)) + u")";
        if (!taken(candidate)) return candidate;
    }
}

}  // namespace

const Phrase *PhraseBook::Find(int32_t number) const {
    const auto found = std::find_if(phrases_.begin(), phrases_.end(), [&](const Phrase &p) { return p.number == number; });
    return found == phrases_.end() ? nullptr : &*found;
}

Phrase *PhraseBook::Find(int32_t number) { return const_cast<Phrase *>(std::as_const(*this).Find(number)); }

int32_t PhraseBook::HighestNumber() const {
    int32_t highest = 0;
    for (const Phrase &phrase : phrases_)
        if (!phrase.conflictOf) highest = std::max(highest, phrase.number);
    return highest;
}

bool PhraseBook::AddFolder(const std::u16string &name) {
    if (name.empty() || std::find(folders_.begin(), folders_.end(), name) != folders_.end()) return false;
    folders_.push_back(name);
    return true;
}

void PhraseBook::UseNumbers(NumberRange range) {
    range_ = range;
    nextNumber_ = range.first;
    for (const Phrase &phrase : phrases_) KeepNumbersFrom(phrase.number + 1);
}

int32_t PhraseBook::TakeNumber() {
    if (!range_.Holds(nextNumber_)) return 0;
    return nextNumber_++;
}

int32_t PhraseBook::Add(const std::u16string &folder, const std::u16string &name, const std::u16string &text) {
    const int32_t number = TakeNumber();
    if (number) Restore(Phrase{number, folder.empty() ? kUnsortedFolder : folder, name, text, 0});
    return number;
}

bool PhraseBook::Restore(Phrase phrase) {
    if (phrase.number < 1 || !numbers_.insert(phrase.number).second) return false;
    if (phrase.folder.empty()) phrase.folder = kUnsortedFolder;
    AddFolder(phrase.folder);
    KeepNumbersFrom(phrase.number + 1);
    // At the end of its folder, without sorting the whole book again: a file of thousands
    // of phrases is read one phrase at a time, most often each after one of its folder.
    if (!phrases_.empty() && phrases_.back().folder == phrase.folder) {
        phrases_.push_back(std::move(phrase));
        return true;
    }
    const std::ptrdiff_t own = FolderPlace(phrase.folder);
    auto at = phrases_.end();
    while (at != phrases_.begin() && FolderPlace((at - 1)->folder) > own) --at;
    phrases_.insert(at, std::move(phrase));
    return true;
}

void PhraseBook::KeepNumbersFrom(int32_t next) {
    // Numbers beyond the range (other PCs', the team's) leave this range's next one alone.
    if (next > range_.first && next - 1 <= range_.last) nextNumber_ = std::max(nextNumber_, next);
}

bool PhraseBook::Remove(int32_t number) {
    const auto found = std::find_if(phrases_.begin(), phrases_.end(), [&](const Phrase &p) { return p.number == number; });
    if (found == phrases_.end()) return false;
    numbers_.erase(number);
    phrases_.erase(found);
    return true;
}

bool PhraseBook::RemoveFolder(const std::u16string &name) {
    const auto folder = std::find(folders_.begin(), folders_.end(), name);
    if (folder == folders_.end()) return false;
    folders_.erase(folder);
    std::erase_if(phrases_, [&](const Phrase &p) { return p.folder == name && numbers_.erase(p.number); });
    return true;
}

bool PhraseBook::RenameFolder(const std::u16string &from, const std::u16string &to) {
    const auto folder = std::find(folders_.begin(), folders_.end(), from);
    if (folder == folders_.end() || to.empty() || std::find(folders_.begin(), folders_.end(), to) != folders_.end())
        return false;
    *folder = to;
    for (Phrase &phrase : phrases_)
        if (phrase.folder == from) phrase.folder = to;
    return true;
}

bool PhraseBook::Move(int32_t number, int step) {
    const auto at = std::find_if(phrases_.begin(), phrases_.end(), [&](const Phrase &p) { return p.number == number; });
    if (at == phrases_.end() || (step != 1 && step != -1)) return false;
    const auto other = at + step;
    if ((step < 0 && at == phrases_.begin()) || (step > 0 && other == phrases_.end()) || other->folder != at->folder)
        return false;
    std::iter_swap(at, other);
    return true;
}

bool PhraseBook::MoveFolder(const std::u16string &name, int step) {
    const auto at = std::find(folders_.begin(), folders_.end(), name);
    if (at == folders_.end() || (step != 1 && step != -1)) return false;
    if ((step < 0 && at == folders_.begin()) || (step > 0 && at + 1 == folders_.end())) return false;
    std::iter_swap(at, at + step);
    Order();
    return true;
}

bool PhraseBook::Has(const std::u16string &folder, const std::u16string &name) const {
    return std::any_of(phrases_.begin(), phrases_.end(),
                       [&](const Phrase &p) { return p.folder == folder && p.name == name; });
}

std::ptrdiff_t PhraseBook::FolderPlace(const std::u16string &folder) const {
    return std::find(folders_.begin(), folders_.end(), folder) - folders_.begin();
}

void PhraseBook::Order() {
    std::stable_sort(phrases_.begin(), phrases_.end(),
                     [&](const Phrase &a, const Phrase &b) { return FolderPlace(a.folder) < FolderPlace(b.folder); });
}

std::u16string SettingName(const Phrase &phrase) { return phrase.folder + u"/" + phrase.name; }

std::u16string FreePhraseName(const PhraseBook &book, const std::u16string &folder, const std::u16string &name) {
    return FreeName(name, [&](const std::u16string &candidate) { return book.Has(folder, candidate); });
}

std::u16string FreeFolderName(const PhraseBook &book, const std::u16string &name) {
    const std::vector<std::u16string> &folders = book.Folders();
    return FreeName(name, [&](const std::u16string &candidate) {
        return std::find(folders.begin(), folders.end(), candidate) != folders.end();
    });
}

std::u16string NameFromText(std::u16string_view text) {
    const size_t start = text.find_first_not_of(u" \t\r\n\u3000");
    if (start == std::u16string_view::npos) return {};
    std::u16string_view line = text.substr(start);
    line = line.substr(0, line.find_first_of(u"\r\n"));
    size_t units = 0;
    for (size_t chars = 0; units < line.size() && chars < kNameChars; ++chars) units += utf::CharAt(line, units).units;
    return std::u16string(line.substr(0, units));
}

}  // namespace tlxsnippet
