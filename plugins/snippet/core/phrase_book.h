// The phrases: folders of named texts. Every phrase keeps the number it was given for
// good — hotkeys, menu items, watch actions and shortcut files point at it as the
// setting of that number — and no number is given twice, so a deleted phrase's number
// points at nothing rather than at a newer phrase.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "phrase_numbers.h"

namespace tlxsnippet {

inline constexpr char16_t kUnsortedFolder[] = u"未分類";

struct Phrase {
    int32_t number = 0;
    std::u16string folder;
    std::u16string name;
    std::u16string text;
    int pastes = 0;   // how often it was pasted: its {連番} counts on from there
    // Not 0: a text of phrase conflictOf that another PC changed apart, kept beside it
    // until the user chooses (numbered for this run only).
    int32_t conflictOf = 0;
};

class PhraseBook {
public:
    // Folders in their order, each listed once, empty ones included.
    const std::vector<std::u16string> &Folders() const { return folders_; }
    // Phrases folder by folder, in their order within each.
    const std::vector<Phrase> &Phrases() const { return phrases_; }
    const Phrase *Find(int32_t number) const;
    Phrase *Find(int32_t number);
    // The numbers new phrases get (by default all a phrase can have), from the first up.
    void UseNumbers(NumberRange range);
    // The number the next phrase gets; never one given before. Beyond the range's end
    // when all of it is given.
    int32_t NextNumber() const { return nextNumber_; }
    // The highest number a phrase has now (0 without phrases).
    int32_t HighestNumber() const;

    // A folder at the end; false when there is one of that name already.
    bool AddFolder(const std::u16string &name);
    // A number given for good (0 when none is left), for a phrase that goes elsewhere.
    int32_t TakeNumber();
    // At the end of its folder (made when missing); its number, 0 when no number is left.
    int32_t Add(const std::u16string &folder, const std::u16string &name, const std::u16string &text);
    // As read from a file: with the number it had. False for a number in use or below 1.
    bool Restore(Phrase phrase);
    // Numbers below this are not given again (as the file remembers).
    void KeepNumbersFrom(int32_t next);
    bool Remove(int32_t number);
    // The folder with all its phrases.
    bool RemoveFolder(const std::u16string &name);
    bool RenameFolder(const std::u16string &from, const std::u16string &to);
    // One place up or down within its folder; false at the end.
    bool Move(int32_t number, int step);
    bool MoveFolder(const std::u16string &name, int step);
    // Whether a phrase of that name is in the folder.
    bool Has(const std::u16string &folder, const std::u16string &name) const;

private:
    std::ptrdiff_t FolderPlace(const std::u16string &folder) const;
    void Order();

    std::vector<std::u16string> folders_;
    std::vector<Phrase> phrases_;
    std::unordered_set<int32_t> numbers_;   // those of phrases_
    NumberRange range_;
    int32_t nextNumber_ = 1;
};

// The name the function selection dialog shows for a phrase: "フォルダ/名前".
std::u16string SettingName(const Phrase &phrase);

// The name itself while the folder holds no phrase of that name, else "名前 (2)" or the
// next number free: what is added keeps apart from what is there.
std::u16string FreePhraseName(const PhraseBook &book, const std::u16string &folder, const std::u16string &name);
// The same among the folders.
std::u16string FreeFolderName(const PhraseBook &book, const std::u16string &name);

// A name for the first line of a text, at most 40 characters.
std::u16string NameFromText(std::u16string_view text);

}  // namespace tlxsnippet
