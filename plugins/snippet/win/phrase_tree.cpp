#include "phrase_tree.h"

#include <vector>

namespace tlxsnippet {

namespace {

// An item's key: a phrase's number, or a folder's place in the book's list as -1, -2, ...
// (a folder's name changes while it is shown; its place does not).
LPARAM FolderKey(size_t index) { return -static_cast<LPARAM>(index) - 1; }

LPARAM KeyOf(HWND tree, HTREEITEM item) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    return item && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data)) ? data.lParam : 0;
}

}  // namespace

std::u16string WindowTextOf(HWND window) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, reinterpret_cast<wchar_t *>(text.data()),
                                                   static_cast<int>(text.size()))));
    return text;
}

HTREEITEM PhraseTree::Insert(HTREEITEM parent, const std::u16string &label, LPARAM key) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t *>(Wide(label));
    insert.item.lParam = key;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void PhraseTree::Show(const PhraseBook &book, const TreeEntry &select) {
    book_ = &book;
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    const std::vector<std::u16string> &folders = book.Folders();
    for (size_t i = 0; i < folders.size(); ++i) {
        const HTREEITEM folder = Insert(TVI_ROOT, folders[i], FolderKey(i));
        for (const Phrase &phrase : book.Phrases())
            if (phrase.folder == folders[i]) Insert(folder, phrase.name, phrase.number);
        if (!closed_.count(folders[i])) TreeView_Expand(tree_, folder, TVE_EXPAND);
    }
    HTREEITEM selected = Find(select);
    if (!selected) selected = TreeView_GetRoot(tree_);
    TreeView_SelectItem(tree_, selected);
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    if (selected) TreeView_EnsureVisible(tree_, selected);
    InvalidateRect(tree_, nullptr, TRUE);
}

std::optional<TreeEntry> PhraseTree::EntryOf(HTREEITEM item) const {
    const LPARAM key = KeyOf(tree_, item);
    if (!book_ || key == 0) return std::nullopt;
    if (key > 0) {
        const Phrase *phrase = book_->Find(static_cast<int32_t>(key));
        if (!phrase) return std::nullopt;
        return TreeEntry{phrase->folder, phrase->number};
    }
    const size_t index = static_cast<size_t>(-key - 1);
    if (index >= book_->Folders().size()) return std::nullopt;
    return TreeEntry{book_->Folders()[index], 0};
}

std::optional<TreeEntry> PhraseTree::Selected() const { return EntryOf(TreeView_GetSelection(tree_)); }

HTREEITEM PhraseTree::Find(const TreeEntry &entry) const {
    for (HTREEITEM folder = TreeView_GetRoot(tree_); folder; folder = TreeView_GetNextSibling(tree_, folder)) {
        if (EntryOf(folder) != TreeEntry{entry.folder, 0}) continue;
        if (!entry.IsPhrase()) return folder;
        for (HTREEITEM item = TreeView_GetChild(tree_, folder); item; item = TreeView_GetNextSibling(tree_, item))
            if (KeyOf(tree_, item) == entry.number) return item;
    }
    return nullptr;
}

std::optional<TreeEntry> PhraseTree::Neighbour(const TreeEntry &entry, int step) const {
    const HTREEITEM item = Find(entry);
    if (!item) return std::nullopt;
    return EntryOf(step < 0 ? TreeView_GetPrevSibling(tree_, item) : TreeView_GetNextSibling(tree_, item));
}

void PhraseTree::SetLabel(const TreeEntry &entry, const std::u16string &label) {
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = Find(entry);
    data.pszText = const_cast<wchar_t *>(Wide(label));
    if (data.hItem) SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
}

void PhraseTree::NoteExpanded(const NMTREEVIEWW &change) {
    const std::optional<TreeEntry> entry = EntryOf(change.itemNew.hItem);
    if (!entry || entry->IsPhrase()) return;
    if (change.action == TVE_COLLAPSE) closed_.insert(entry->folder);
    else closed_.erase(entry->folder);
}

void PhraseTree::NoteRenamed(const std::u16string &from, const std::u16string &to) {
    if (closed_.erase(from)) closed_.insert(to);
}

}  // namespace tlxsnippet
