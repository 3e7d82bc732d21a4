#include <string>

#include "plugin_records.h"
#include "resource.h"
#include "setting_form.h"
#include "settings_dialogs.h"
#include "text_joiner.h"

namespace tlxtext {

namespace {

void SelectChoice(HWND dialog, SeparatorChoice choice) {
    CheckRadioButton(dialog, IDC_SEP_FIRST, IDC_SEP_OTHER, IDC_SEP_FIRST + choice);
}

SeparatorChoice SelectedChoice(HWND dialog) {
    for (int choice = 0; choice < kSepChoiceCount; ++choice)
        if (tlx::IsChecked(dialog, IDC_SEP_FIRST + choice)) return static_cast<SeparatorChoice>(choice);
    return kSepNone;
}

void ShowJoinOrder(HWND dialog, bool show) {
    for (int id : {IDC_JOIN_CAPTION, IDC_JOIN_FRONT, IDC_JOIN_BACK})
        ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
}

// The separator of the file names or of the join; the join's also with its order.
class SeparatorDialog : public tlx::SettingForm {
public:
    SeparatorDialog(int funcno, TextSettings &settings, tlx::ProfileStore &store)
        : funcno_(funcno), settings_(settings), store_(store) {}

private:
    void Fill(HWND dialog) override {
        // Which separator OK stores, kept in the dialog itself.
        SetDlgItemInt(dialog, IDC_FUNCNO, funcno_, TRUE);
        SendDlgItemMessageA(dialog, IDC_SEP_TEXT, EM_LIMITTEXT, kMaxSeparatorBytes, 0);
        const bool join = funcno_ == kFuncJoin;
        ShowJoinOrder(dialog, join);
        if (join)
            CheckRadioButton(dialog, IDC_JOIN_FRONT, IDC_JOIN_BACK,
                             settings_.textAddType == kCurrentFirst ? IDC_JOIN_FRONT : IDC_JOIN_BACK);
        const std::string &separator = join ? settings_.textAddSep : settings_.fileToTextSep;
        const SeparatorChoice choice = ChoiceForSeparator(separator);
        if (choice == kSepOther) SetDlgItemTextA(dialog, IDC_SEP_TEXT, separator.c_str());
        SelectChoice(dialog, choice);
    }

    bool Accept(HWND dialog) override {
        const std::string separator =
            SeparatorForChoice(SelectedChoice(dialog), tlx::DialogItemText(dialog, IDC_SEP_TEXT));
        if (static_cast<int>(GetDlgItemInt(dialog, IDC_FUNCNO, nullptr, TRUE)) == kFuncJoin) {
            settings_.textAddSep = separator;
            settings_.textAddType = tlx::IsChecked(dialog, IDC_JOIN_FRONT) ? kCurrentFirst : kKeptFirst;
            settings_.SaveTextAdd(store_);
        } else {
            settings_.fileToTextSep = separator;
            settings_.SaveFileToTextSep(store_);
        }
        return true;
    }

    // Typing a separator of one's own means "other".
    void Notify(HWND dialog, int id, int code) override {
        if (id == IDC_SEP_TEXT && code == EN_CHANGE) SelectChoice(dialog, kSepOther);
    }

    const int funcno_;
    TextSettings &settings_;
    tlx::ProfileStore &store_;
};

}  // namespace

void ShowSeparatorDialog(HINSTANCE module, HWND owner, int funcno, TextSettings &settings,
                         tlx::ProfileStore &store) {
    SeparatorDialog(funcno, settings, store).Run(module, IDD_SEPARATOR, owner);
}

}  // namespace tlxtext
