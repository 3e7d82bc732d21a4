#include "phrase_editor.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <string>

#include "anchored_layout.h"
#include "editor_texts.h"
#include "file_bytes.h"
#include "phrase_csv.h"
#include "phrase_file.h"
#include "phrase_state.h"
#include "phrase_tree.h"
#include "places_dialog.h"
#include "plugin_clipboard.h"
#include "resource.h"
#include "setting_form.h"

namespace tlxsnippet {

namespace {

constexpr wchar_t kCaption[] = L"設定";
// Pairs of a name and a pattern, each ending in a NUL, the list in one more; the
// second, a spreadsheet's file, is read and written as CSV.
constexpr char kFileFilter[] = "定型文ファイル (*.txt)\0*.txt\0CSV ファイル (*.csv)\0*.csv\0すべてのファイル (*.*)\0*.*\0";
constexpr DWORD kCsvFilter = 2;
constexpr size_t kPathChars = 1024;
// Posted after a name typed into the tree was refused, to say why once the edit has ended:
// a message box while it ends would take the focus from it and end it a second time.
constexpr UINT kWarnRefusedName = WM_APP + 1;

void Tell(HWND dialog, const std::u16string &text, UINT icon) {
    MessageBoxW(dialog, Wide(text), kCaption, MB_OK | icon);
}

struct ChosenFile {
    std::string path;
    bool csv = false;   // a CSV file: by its name, or the kind chosen for a name without one
};

// A file chosen in the system's open or save dialog; nothing after cancel.
std::optional<ChosenFile> ChooseFile(HWND owner, bool save, const char *title) {
    std::string path(kPathChars, '\0');
    if (save) path.replace(0, sizeof "定型文" - 1, "定型文");
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = nullptr;   // the kind chosen names it
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog))) return std::nullopt;
    ChosenFile chosen{path.c_str()};
    const size_t dot = chosen.path.find_last_of(".\\");
    const std::string extension = dot == std::string::npos || chosen.path[dot] != '.' ? "" : chosen.path.substr(dot);
    chosen.csv = lstrcmpiA(extension.c_str(), ".csv") == 0 || (extension.empty() && dialog.nFilterIndex == kCsvFilter);
    if (save && chosen.csv && extension.empty()) chosen.path += ".csv";
    return chosen;
}

class PhraseEditor : public tlx::SettingForm {
public:
    PhraseEditor(HINSTANCE module, const PhraseBook &book, const SnippetOptions &options, int32_t selectNumber,
                 const EditorExtras &extras)
        : module_(module), book_(book), options_(options), selectNumber_(selectNumber), extras_(extras) {}

    const PhraseBook &Book() const { return book_; }
    const SnippetOptions &Options() const { return options_; }

protected:
    void Fill(HWND dialog) override {
        dialog_ = dialog;
        tree_.emplace(GetDlgItem(dialog, IDC_PHRASE_TREE));
        using Layout = AnchoredLayout;
        layout_.Take(dialog, {{IDC_PHRASE_TREE, Layout::kGrowDown},
                              {IDC_NAME_LABEL, Layout::kGrowRight},
                              {IDC_PHRASE_NAME, Layout::kGrowRight},
                              {IDC_TEXT_LABEL, Layout::kGrowRight},
                              {IDC_PHRASE_TEXT, Layout::kGrowRight | Layout::kGrowDown},
                              {IDC_PLACEHOLDER_HELP, Layout::kMoveDown | Layout::kGrowRight},
                              {IDC_ADD_PHRASE, Layout::kMoveDown},
                              {IDC_ADD_FOLDER, Layout::kMoveDown},
                              {IDC_DELETE_ENTRY, Layout::kMoveDown},
                              {IDC_MOVE_UP, Layout::kMoveDown},
                              {IDC_MOVE_DOWN, Layout::kMoveDown},
                              {IDC_COPY_TO_OWN, Layout::kMoveDown},
                              {IDC_RESTORE_CLIPBOARD, Layout::kMoveDown},
                              {IDC_KEEP_OUT_OF_HISTORY, Layout::kMoveDown},
                              {IDC_IMPORT_PHRASES, Layout::kMoveDown},
                              {IDC_EXPORT_PHRASES, Layout::kMoveDown},
                              {IDC_RESTORE_BACKUP, Layout::kMoveDown},
                              {IDC_PLACES, Layout::kMoveDown},
                              {IDOK, Layout::kMoveDown | Layout::kMoveRight},
                              {IDCANCEL, Layout::kMoveDown | Layout::kMoveRight}});
        // No limit but memory: a phrase may be long.
        SendDlgItemMessageW(dialog, IDC_PHRASE_NAME, EM_LIMITTEXT, 0, 0);
        SendDlgItemMessageW(dialog, IDC_PHRASE_TEXT, EM_LIMITTEXT, 0, 0);
        tlx::ShowChecked(dialog, IDC_RESTORE_CLIPBOARD, options_.restoreClipboard);
        tlx::ShowChecked(dialog, IDC_KEEP_OUT_OF_HISTORY, options_.keepOutOfHistory);
        ShowBook({});
        const Phrase *first = shown_.Find(selectNumber_);
        if (!first && !book_.Phrases().empty()) first = &book_.Phrases().front();
        if (first) ShowBook({first->folder, first->number});
    }

    bool Accept(HWND dialog) override {
        for (const Phrase &phrase : book_.Phrases()) {
            if (!phrase.name.empty()) continue;
            ShowBook({phrase.folder, phrase.number});
            Tell(dialog, u"名前のない定型文があります。名前を入力してください。", MB_ICONWARNING);
            FocusOn(GetDlgItem(dialog, IDC_PHRASE_NAME));
            return false;
        }
        options_.restoreClipboard = tlx::IsChecked(dialog, IDC_RESTORE_CLIPBOARD);
        options_.keepOutOfHistory = tlx::IsChecked(dialog, IDC_KEEP_OUT_OF_HISTORY);
        return true;
    }

    void Notify(HWND /*dialog*/, int id, int code) override {
        if (code == EN_CHANGE && !quiet_) {
            if (id == IDC_PHRASE_NAME) NameChanged();
            if (id == IDC_PHRASE_TEXT) TextChanged();
        }
        if (code != BN_CLICKED) return;
        switch (id) {
            case IDC_ADD_PHRASE: return AddPhrase();
            case IDC_ADD_FOLDER: return AddFolder();
            case IDC_DELETE_ENTRY: return DeleteSelected();
            case IDC_MOVE_UP: return MoveSelected(-1);
            case IDC_MOVE_DOWN: return MoveSelected(1);
            case IDC_COPY_TO_OWN: return CopyToOwn();
            case IDC_IMPORT_PHRASES: return Import();
            case IDC_EXPORT_PHRASES: return Export();
            case IDC_RESTORE_BACKUP: return RestoreBackup();
            case IDC_PLACES: return ChoosePlaces();
            default: return;
        }
    }

    bool Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR &result) override {
        switch (message) {
            case WM_SIZE:
                layout_.Apply(dialog);
                return true;
            case WM_GETMINMAXINFO:
                layout_.Limit(dialog, *reinterpret_cast<MINMAXINFO *>(lParam));
                return true;
            case kWarnRefusedName:
                Tell(dialog, refusedName_, MB_ICONWARNING);
                return true;
            case WM_NOTIFY:
                return TreeNotice(*reinterpret_cast<const NMHDR *>(lParam), result);
            case WM_COMMAND:
                // Enter and Esc while a name is edited in the tree end that edit, not the dialog.
                if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && EndLabelEdit(LOWORD(wParam) == IDCANCEL)) {
                    result = TRUE;
                    return true;
                }
                return false;
            default:
                return false;
        }
    }

private:
    // The book in the tree anew, the team's after it; there is always a folder to add to.
    void ShowBook(const TreeEntry &select) {
        if (book_.Folders().empty()) book_.AddFolder(kUnsortedFolder);
        shown_ = Together(book_, extras_.team);
        quiet_ = true;
        tree_->Show(shown_, select);
        quiet_ = false;
        ShowSelected();
    }

    // The team's entries are shown, never changed.
    bool IsOwn(const TreeEntry &entry) const {
        if (entry.IsPhrase()) return book_.Find(entry.number) != nullptr;
        return std::find(book_.Folders().begin(), book_.Folders().end(), entry.folder) != book_.Folders().end();
    }

    // The user's phrase selected; null for a folder or a team's phrase.
    Phrase *SelectedPhrase() {
        const std::optional<TreeEntry> entry = tree_->Selected();
        return entry && entry->IsPhrase() ? book_.Find(entry->number) : nullptr;
    }

    // The fields of the selected phrase (read only for the team's), and the buttons that
    // can act on the selection.
    void ShowSelected() {
        const std::optional<TreeEntry> entry = tree_->Selected();
        const Phrase *phrase = entry && entry->IsPhrase() ? shown_.Find(entry->number) : nullptr;
        const bool own = entry && IsOwn(*entry);
        quiet_ = true;
        SetDlgItemTextW(dialog_, IDC_PHRASE_NAME, phrase ? Wide(phrase->name) : L"");
        SetDlgItemTextW(dialog_, IDC_PHRASE_TEXT, phrase ? Wide(phrase->text) : L"");
        quiet_ = false;
        for (const int id : {IDC_NAME_LABEL, IDC_PHRASE_NAME, IDC_TEXT_LABEL, IDC_PHRASE_TEXT})
            Enable(id, phrase != nullptr);
        for (const int id : {IDC_PHRASE_NAME, IDC_PHRASE_TEXT}) SendDlgItemMessageW(dialog_, id, EM_SETREADONLY, !own, 0);
        const auto ownNeighbour = [&](int step) {
            const std::optional<TreeEntry> next = entry ? tree_->Neighbour(*entry, step) : std::nullopt;
            return next && IsOwn(*next);
        };
        Enable(IDC_DELETE_ENTRY, own);
        Enable(IDC_MOVE_UP, own && ownNeighbour(-1));
        Enable(IDC_MOVE_DOWN, own && ownNeighbour(1));
        Enable(IDC_COPY_TO_OWN, entry && !own);
    }

    // A control that is about to be disabled first hands the focus to the tree, which
    // keeps the keyboard in the dialog.
    void Enable(int id, bool enable) {
        const HWND control = GetDlgItem(dialog_, id);
        if (!enable && GetFocus() == control) FocusOn(tree_->Window());
        EnableWindow(control, enable);
    }

    // As Tab moves it: the default button follows, an edit field's text is selected.
    void FocusOn(HWND control) { SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE); }

    // A phrase of the user's named or written anew, in the book and as shown.
    void Rename(Phrase &phrase, const std::u16string &name) {
        phrase.name = name;
        if (Phrase *shown = shown_.Find(phrase.number)) shown->name = name;
    }

    void NameChanged() {
        Phrase *phrase = SelectedPhrase();
        if (!phrase) return;
        Rename(*phrase, WindowTextOf(GetDlgItem(dialog_, IDC_PHRASE_NAME)));
        tree_->SetLabel({phrase->folder, phrase->number}, phrase->name);
    }

    void TextChanged() {
        Phrase *phrase = SelectedPhrase();
        if (!phrase) return;
        phrase->text = WindowTextOf(GetDlgItem(dialog_, IDC_PHRASE_TEXT));
        if (Phrase *shown = shown_.Find(phrase->number)) shown->text = phrase->text;
    }

    void AddPhrase() {
        const std::optional<TreeEntry> entry = tree_->Selected();
        const std::u16string folder = entry && IsOwn(*entry) ? entry->folder : book_.Folders().front();
        const int32_t number = book_.Add(folder, FreePhraseName(book_, folder, kNewPhraseName), u"");
        if (!number) return Tell(dialog_, u"これ以上定型文を追加できません。", MB_ICONWARNING);
        ShowBook({folder, number});
        // The name selected, so that typing replaces it.
        FocusOn(GetDlgItem(dialog_, IDC_PHRASE_NAME));
    }

    void AddFolder() {
        const std::u16string name = FreeFolderName(book_, kNewFolderName);
        book_.AddFolder(name);
        ShowBook({name, 0});
        FocusOn(tree_->Window());
        SendMessageW(tree_->Window(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(tree_->Find({name, 0})));
    }

    void DeleteSelected() {
        const std::optional<TreeEntry> entry = tree_->Selected();
        if (!entry || !IsOwn(*entry)) return;
        const std::u16string question = entry->IsPhrase() ? DeletePhraseQuestion(*book_.Find(entry->number))
                                                          : DeleteFolderQuestion(book_, entry->folder);
        if (MessageBoxW(dialog_, Wide(question), kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
        // Then the entry below is selected, or the one above, or the phrase's folder.
        std::optional<TreeEntry> next = tree_->Neighbour(*entry, 1);
        if (!next) next = tree_->Neighbour(*entry, -1);
        if (!next && entry->IsPhrase()) next = TreeEntry{entry->folder, 0};
        if (entry->IsPhrase()) book_.Remove(entry->number);
        else book_.RemoveFolder(entry->folder);
        ShowBook(next.value_or(TreeEntry{}));
    }

    void MoveSelected(int step) {
        const std::optional<TreeEntry> entry = tree_->Selected();
        if (!entry || !IsOwn(*entry)) return;
        if (entry->IsPhrase() ? book_.Move(entry->number, step) : book_.MoveFolder(entry->folder, step)) ShowBook(*entry);
    }

    // The team's phrase selected, or every phrase of its folder, into the user's phrases.
    void CopyToOwn() {
        const std::optional<TreeEntry> entry = tree_->Selected();
        if (!entry || IsOwn(*entry)) return;
        TreeEntry last;
        for (const Phrase &phrase : extras_.team.Phrases()) {
            if (entry->IsPhrase() ? phrase.number != entry->number : phrase.folder != entry->folder) continue;
            const int32_t number = CopyFromTeam(book_, phrase);
            if (!number) return Tell(dialog_, u"これ以上定型文を追加できません。", MB_ICONWARNING);
            last = {book_.Find(number)->folder, number};
        }
        ShowBook(last);
    }

    void Import() {
        const std::optional<ChosenFile> file = ChooseFile(dialog_, false, "定型文の読み込み");
        if (!file) return;
        const std::optional<std::string> bytes = tlx::ReadFileBytes(file->path);
        if (!bytes) return Tell(dialog_, u"ファイルを読み込めませんでした。", MB_ICONWARNING);
        const std::optional<TreeEntry> selected = tree_->Selected();
        ImportResult result;
        if (file->csv) {
            const std::u16string text = CsvText(*bytes, [](std::string_view sjis) { return tlx::WidenAnsi(sjis, 932); });
            result.read = true;
            AddPhrases(ReadCsv(text), book_, result);
        } else {
            result = ImportPhrases(*bytes, book_);
        }
        ShowBook(selected.value_or(TreeEntry{}));
        Tell(dialog_, ImportReport(result), result.added > 0 ? MB_ICONINFORMATION : MB_ICONWARNING);
    }

    void Export() {
        const std::optional<ChosenFile> file = ChooseFile(dialog_, true, "定型文の書き出し");
        if (file && !tlx::ReplaceFileBytes(file->path, file->csv ? WriteCsv(book_) : WritePhraseFile(book_)))
            Tell(dialog_, u"ファイルに書き出せませんでした。", MB_ICONWARNING);
    }

    void RestoreBackup() {
        const std::vector<PhraseBackup> backups = extras_.backups ? extras_.backups() : std::vector<PhraseBackup>();
        if (backups.empty()) return Tell(dialog_, u"バックアップはまだありません。定型文を保存するたびに作られます。", MB_ICONINFORMATION);
        const std::optional<TreeEntry> selected = tree_->Selected();
        if (ShowRestoreDialog(module_, dialog_, backups, extras_.readBackup, book_)) ShowBook(selected.value_or(TreeEntry{}));
    }

    void ChoosePlaces() { ShowPlacesDialog(module_, dialog_, options_); }

    bool TreeNotice(const NMHDR &header, INT_PTR &result) {
        if (header.idFrom != IDC_PHRASE_TREE) return false;
        switch (header.code) {
            case TVN_SELCHANGEDW:
                if (!quiet_) ShowSelected();
                return true;
            case TVN_BEGINLABELEDITW: {   // the team's entries keep their names
                const std::optional<TreeEntry> entry = tree_->EntryOf(reinterpret_cast<const NMTVDISPINFOW &>(header).item.hItem);
                SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, !entry || !IsOwn(*entry));
                result = TRUE;
                return true;
            }
            case TVN_ITEMEXPANDEDW:
                tree_->NoteExpanded(reinterpret_cast<const NMTREEVIEWW &>(header));
                return true;
            case TVN_KEYDOWN:
                switch (reinterpret_cast<const NMTVKEYDOWN &>(header).wVKey) {
                    case VK_DELETE:
                        DeleteSelected();
                        return true;
                    case VK_F2:
                        SendMessageW(tree_->Window(), TVM_EDITLABELW, 0,
                                     reinterpret_cast<LPARAM>(TreeView_GetSelection(tree_->Window())));
                        return true;
                    default:
                        return false;
                }
            case TVN_ENDLABELEDITW:
                SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, LabelEdited(reinterpret_cast<const NMTVDISPINFOW &>(header)));
                result = TRUE;
                return true;
            default:
                return false;
        }
    }

    // Whether the name typed into the tree is taken.
    bool LabelEdited(const NMTVDISPINFOW &edit) {
        const std::optional<TreeEntry> entry = tree_->EntryOf(edit.item.hItem);
        if (!edit.item.pszText || !entry) return false;   // cancelled
        const std::u16string label = reinterpret_cast<const char16_t *>(edit.item.pszText);
        if (!IsOwn(*entry)) return false;
        if (entry->IsPhrase()) {
            if (label.empty()) return false;
            Rename(*book_.Find(entry->number), label);
            if (tree_->Selected() == entry) {
                quiet_ = true;
                SetDlgItemTextW(dialog_, IDC_PHRASE_NAME, Wide(label));
                quiet_ = false;
            }
            return true;
        }
        if (label == entry->folder) return true;
        const bool taken = std::find(shown_.Folders().begin(), shown_.Folders().end(), label) != shown_.Folders().end();
        if (taken || !book_.RenameFolder(entry->folder, label)) {
            refusedName_ = label.empty() ? u"フォルダの名前を入力してください。"
                                         : u"「" + label + u"」という名前のフォルダは既にあります。";
            PostMessageW(dialog_, kWarnRefusedName, 0, 0);
            return false;
        }
        shown_.RenameFolder(entry->folder, label);
        tree_->NoteRenamed(entry->folder, label);
        return true;
    }

    // Ends a name's edit in the tree; false when none was under way.
    bool EndLabelEdit(bool cancel) {
        if (!SendMessageW(tree_->Window(), TVM_GETEDITCONTROL, 0, 0)) return false;
        SendMessageW(tree_->Window(), TVM_ENDEDITLABELNOW, cancel, 0);
        return true;
    }

    HINSTANCE module_;
    PhraseBook book_;
    PhraseBook shown_;   // book_ and the team's, as the tree shows them
    SnippetOptions options_;
    int32_t selectNumber_;
    const EditorExtras &extras_;
    HWND dialog_ = nullptr;
    std::optional<PhraseTree> tree_;
    AnchoredLayout layout_;
    std::u16string refusedName_;   // why, for kWarnRefusedName
    bool quiet_ = false;   // the tree or the fields are being filled: their notices are not the user's
};

}  // namespace

bool ShowPhraseEditor(HINSTANCE module, HWND owner, PhraseBook &book, SnippetOptions &options, int32_t selectNumber,
                      const EditorExtras &extras) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    PhraseEditor editor(module, book, options, selectNumber, extras);
    if (!editor.RunUnicode(module, IDD_PHRASE_EDITOR, owner)) return false;
    book = editor.Book();
    options = editor.Options();
    return true;
}

}  // namespace tlxsnippet
