#include "restore_dialog.h"

#include <map>

#include "editor_texts.h"
#include "phrase_state.h"
#include "phrase_tree.h"
#include "resource.h"
#include "setting_form.h"

namespace tlxsnippet {

namespace {

class RestoreDialog : public tlx::SettingForm {
public:
    RestoreDialog(const std::vector<PhraseBackup> &backups, const BackupReader &read, const PhraseBook &book)
        : backups_(backups), read_(read), book_(book) {}
    const PhraseBook &Book() const { return book_; }

protected:
    void Fill(HWND dialog) override {
        dialog_ = dialog;
        const HWND list = GetDlgItem(dialog, IDC_BACKUP_LIST);
        for (const PhraseBackup &backup : backups_) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(BackupLabel(backup))));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        ShowChosen();
    }

    bool Accept(HWND dialog) override {
        const PhraseBook *backup = Chosen();
        if (!backup) {
            tlx::WarnRefused(dialog, "このバックアップは読めません。");
            return false;
        }
        PutBack(book_, *backup);
        return true;
    }

    void Notify(HWND /*dialog*/, int id, int code) override {
        if (id == IDC_BACKUP_LIST && code == LBN_SELCHANGE) ShowChosen();
    }

private:
    // The backup selected, read once; null when it cannot be read.
    const PhraseBook *Chosen() {
        const LRESULT index = SendDlgItemMessageW(dialog_, IDC_BACKUP_LIST, LB_GETCURSEL, 0, 0);
        if (index < 0 || static_cast<size_t>(index) >= backups_.size()) return nullptr;
        auto read = readBackups_.find(index);
        if (read == readBackups_.end()) read = readBackups_.emplace(index, read_(backups_[index])).first;
        return read->second ? &*read->second : nullptr;
    }

    // Its phrases, folder by folder, and what putting it back would do.
    void ShowChosen() {
        const HWND phrases = GetDlgItem(dialog_, IDC_BACKUP_PHRASES);
        SendMessageW(phrases, LB_RESETCONTENT, 0, 0);
        const PhraseBook *backup = Chosen();
        std::u16string summary = u"このバックアップは読めません。";
        if (backup) {
            for (const Phrase &phrase : backup->Phrases())
                SendMessageW(phrases, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(phrase.folder + u" / " + phrase.name)));
            PhraseBook trial = book_;
            summary = PutBackSummary(*backup, PutBack(trial, *backup));
        }
        SetDlgItemTextW(dialog_, IDC_BACKUP_SUMMARY, Wide(summary));
        EnableWindow(GetDlgItem(dialog_, IDOK), backup != nullptr);
    }

    const std::vector<PhraseBackup> &backups_;
    const BackupReader &read_;
    PhraseBook book_;
    HWND dialog_ = nullptr;
    std::map<LRESULT, std::optional<PhraseBook>> readBackups_;
};

}  // namespace

bool ShowRestoreDialog(HINSTANCE module, HWND owner, const std::vector<PhraseBackup> &backups, const BackupReader &read,
                       PhraseBook &book) {
    RestoreDialog dialog(backups, read, book);
    if (!dialog.RunUnicode(module, IDD_PHRASE_RESTORE, owner)) return false;
    book = dialog.Book();
    return true;
}

}  // namespace tlxsnippet
