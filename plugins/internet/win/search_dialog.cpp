#include "search_dialog.h"

#include "resource.h"
#include "setting_form.h"

namespace tlxinet {

namespace {

struct CharSetItem {
    const char *label;
    int32_t value;
};
constexpr CharSetItem kCharSetItems[] = {
    {"Shift-JIS", kCharSetShiftJis}, {"EUC-JP", kCharSetEucJp}, {"UTF-8", kCharSetUtf8}};

void FillCharSetList(HWND dialog, int32_t charSet) {
    LRESULT selected = 0;
    for (const CharSetItem &item : kCharSetItems) {
        const LRESULT index = SendDlgItemMessageA(dialog, IDC_CHARSET, CB_ADDSTRING, 0, (LPARAM)item.label);
        SendDlgItemMessageA(dialog, IDC_CHARSET, CB_SETITEMDATA, index, item.value);
        if (item.value == charSet) selected = index;
    }
    SendDlgItemMessageA(dialog, IDC_CHARSET, CB_SETCURSEL, selected, 0);
}

int32_t SelectedCharSet(HWND dialog) {
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_CHARSET, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return kCharSetItems[0].value;
    return static_cast<int32_t>(SendDlgItemMessageA(dialog, IDC_CHARSET, CB_GETITEMDATA, index, 0));
}

// Edits one setting of the list; OK stores the fields into it and writes its section.
class SearchDialog : public tlx::SettingForm {
public:
    SearchDialog(SearchSettings &settings, int number, ProfileStore &store)
        : settings_(settings), number_(number), store_(store) {}

private:
    void Fill(HWND dialog) override {
        const SearchSetting &setting = *settings_.Find(number_);
        tlx::ShowEditText(dialog, IDC_SETTING_NAME, setting.name, kSettingNameMaxBytes);
        tlx::ShowEditText(dialog, IDC_HEADER_URL, setting.headerUrl, kUrlPartMaxBytes);
        tlx::ShowEditText(dialog, IDC_FOOTER_URL, setting.footerUrl, kUrlPartMaxBytes);
        FillCharSetList(dialog, setting.charSet);
        tlx::ShowChecked(dialog, IDC_URL_ENCODE, setting.urlEncode != 0);
        SetDlgItemInt(dialog, IDC_SETTING_INDEX, static_cast<UINT>(number_ - 1), FALSE);
    }

    bool Accept(HWND dialog) override {
        const int number = static_cast<int>(GetDlgItemInt(dialog, IDC_SETTING_INDEX, nullptr, FALSE)) + 1;
        if (SearchSetting *setting = settings_.Find(number)) {
            setting->name = tlx::DialogItemText(dialog, IDC_SETTING_NAME);
            setting->headerUrl = tlx::DialogItemText(dialog, IDC_HEADER_URL);
            setting->footerUrl = tlx::DialogItemText(dialog, IDC_FOOTER_URL);
            setting->charSet = SelectedCharSet(dialog);
            setting->urlEncode = tlx::IsChecked(dialog, IDC_URL_ENCODE) ? 1 : 0;
            ClampSearchSetting(*setting);
            settings_.Save(store_, number);
        }
        return true;
    }

    SearchSettings &settings_;
    const int number_;
    ProfileStore &store_;
};

}  // namespace

void ShowSearchSettingDialog(HINSTANCE module, HWND owner, SearchSettings &settings, int number,
                             ProfileStore &store) {
    if (!settings.Find(number)) return;
    SearchDialog(settings, number, store).Run(module, IDD_SEARCH_SETTING, owner);
}

}  // namespace tlxinet
