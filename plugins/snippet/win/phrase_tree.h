// The folders and phrases of a book in a tree view: the folders at the top, each with its
// phrases under it, in the book's order. Unicode throughout, as names hold any character.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "phrase_book.h"

namespace tlxsnippet {

// A folder (number 0) or one of its phrases.
struct TreeEntry {
    std::u16string folder;
    int32_t number = 0;

    bool IsPhrase() const { return number > 0; }
    bool operator==(const TreeEntry &) const = default;
};

class PhraseTree {
public:
    explicit PhraseTree(HWND tree) : tree_(tree) {}
    HWND Window() const { return tree_; }

    // Shows the book (which must outlive the tree's use of it) anew and selects the entry,
    // or the first folder when there is no such entry; folders the user closed stay closed.
    void Show(const PhraseBook &book, const TreeEntry &select);
    std::optional<TreeEntry> EntryOf(HTREEITEM item) const;
    std::optional<TreeEntry> Selected() const;
    HTREEITEM Find(const TreeEntry &entry) const;
    // The entry beside it (step -1 above, 1 below) at its level: a phrase of its folder or
    // another folder.
    std::optional<TreeEntry> Neighbour(const TreeEntry &entry, int step) const;
    void SetLabel(const TreeEntry &entry, const std::u16string &label);
    // A folder the user opened or closed (TVN_ITEMEXPANDED), and one renamed.
    void NoteExpanded(const NMTREEVIEWW &change);
    void NoteRenamed(const std::u16string &from, const std::u16string &to);

private:
    HTREEITEM Insert(HTREEITEM parent, const std::u16string &label, LPARAM key);

    HWND tree_;
    const PhraseBook *book_ = nullptr;
    std::set<std::u16string> closed_;
};

// A Unicode text as the W functions take it, and back.
inline const wchar_t *Wide(const std::u16string &text) { return reinterpret_cast<const wchar_t *>(text.c_str()); }
std::u16string WindowTextOf(HWND window);

}  // namespace tlxsnippet
