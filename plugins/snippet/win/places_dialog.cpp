#include "places_dialog.h"

#include <shlobj.h>

#include <string>

#include "resource.h"
#include "setting_form.h"

namespace tlxsnippet {

namespace {

struct FolderField {
    int edit;
    int browse;
    std::string SnippetOptions::*folder;
    const char *title;
};

constexpr FolderField kFields[] = {
    {IDC_PHRASE_FOLDER, IDC_BROWSE_PHRASE_FOLDER, &SnippetOptions::phraseFolder, "定型文の保存先"},
    {IDC_TEAM_FOLDER, IDC_BROWSE_TEAM_FOLDER, &SnippetOptions::teamFolder, "チームの定型文"},
    {IDC_BACKUP_FOLDER, IDC_BROWSE_BACKUP_FOLDER, &SnippetOptions::backupFolder, "バックアップの保存先"},
};

// Blanks at the ends of a path typed are no part of it.
std::string Trimmed(const std::string &text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class PlacesDialog : public tlx::SettingForm {
public:
    explicit PlacesDialog(const SnippetOptions &options) : options_(options) {}
    const SnippetOptions &Options() const { return options_; }

protected:
    void Fill(HWND dialog) override {
        for (const FolderField &field : kFields) tlx::ShowEditText(dialog, field.edit, options_.*field.folder, kFolderBytes);
        tlx::ShowChecked(dialog, IDC_SHARE_COUNTS, options_.shareCounts);
    }

    bool Accept(HWND dialog) override {
        for (const FolderField &field : kFields) options_.*field.folder = Trimmed(tlx::DialogItemText(dialog, field.edit));
        options_.shareCounts = tlx::IsChecked(dialog, IDC_SHARE_COUNTS);
        return true;
    }

    void Notify(HWND dialog, int id, int code) override {
        if (code != BN_CLICKED) return;
        for (const FolderField &field : kFields)
            if (id == field.browse) Browse(dialog, field);
    }

private:
    // The system's folder chooser, starting at the folder typed.
    static void Browse(HWND dialog, const FolderField &field) {
        char chosen[MAX_PATH] = {};
        BROWSEINFOA browse{};
        browse.hwndOwner = dialog;
        browse.pszDisplayName = chosen;
        browse.lpszTitle = field.title;
        browse.ulFlags = BIF_RETURNONLYFSDIRS;
        const LPITEMIDLIST item = SHBrowseForFolderA(&browse);
        if (!item) return;
        if (SHGetPathFromIDListA(item, chosen)) SetDlgItemTextA(dialog, field.edit, chosen);
        CoTaskMemFree(item);
    }

    SnippetOptions options_;
};

}  // namespace

bool ShowPlacesDialog(HINSTANCE module, HWND owner, SnippetOptions &options) {
    PlacesDialog dialog(options);
    if (!dialog.Run(module, IDD_PHRASE_PLACES, owner)) return false;
    options = dialog.Options();
    return true;
}

}  // namespace tlxsnippet
