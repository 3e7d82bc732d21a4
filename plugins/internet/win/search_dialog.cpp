#include "search_dialog.h"

#include <vector>

#include "resource.h"

namespace tlxinet {

namespace {

struct DialogContext {
    SearchSettings &settings;
    int number;
    ProfileStore &store;
};

struct CharSetItem {
    const char *label;
    int32_t value;
};
constexpr CharSetItem kCharSetItems[] = {
    {"Shift-JIS", kCharSetShiftJis}, {"EUC-JP", kCharSetEucJp}, {"UTF-8", kCharSetUtf8}};

// The whole text: the model cuts it to its field without splitting a character.
std::string ItemText(HWND dialog, int id) {
    std::vector<char> buffer(GetWindowTextLengthA(GetDlgItem(dialog, id)) + 1);
    const UINT length = GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

void SetEditText(HWND dialog, int id, const std::string &text, size_t maxBytes) {
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, maxBytes, 0);
    SetDlgItemTextA(dialog, id, text.c_str());
}

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

void OnInitDialog(HWND dialog, DialogContext &context) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&context));
    const SearchSetting &setting = *context.settings.Find(context.number);
    SetEditText(dialog, IDC_SETTING_NAME, setting.name, kSettingNameMaxBytes);
    SetEditText(dialog, IDC_HEADER_URL, setting.headerUrl, kUrlPartMaxBytes);
    SetEditText(dialog, IDC_FOOTER_URL, setting.footerUrl, kUrlPartMaxBytes);
    FillCharSetList(dialog, setting.charSet);
    CheckDlgButton(dialog, IDC_URL_ENCODE, setting.urlEncode ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(dialog, IDC_SETTING_INDEX, static_cast<UINT>(context.number - 1), FALSE);
}

void OnOk(HWND dialog, DialogContext &context) {
    const int number = static_cast<int>(GetDlgItemInt(dialog, IDC_SETTING_INDEX, nullptr, FALSE)) + 1;
    if (SearchSetting *setting = context.settings.Find(number)) {
        setting->name = ItemText(dialog, IDC_SETTING_NAME);
        setting->headerUrl = ItemText(dialog, IDC_HEADER_URL);
        setting->footerUrl = ItemText(dialog, IDC_FOOTER_URL);
        setting->charSet = SelectedCharSet(dialog);
        setting->urlEncode = IsDlgButtonChecked(dialog, IDC_URL_ENCODE) == BST_CHECKED ? 1 : 0;
        ClampSearchSetting(*setting);
        context.settings.Save(context.store, number);
    }
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *context = reinterpret_cast<DialogContext *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog, *reinterpret_cast<DialogContext *>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && context) {
                OnOk(dialog, *context);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void ShowSearchSettingDialog(HINSTANCE module, HWND owner, SearchSettings &settings, int number,
                             ProfileStore &store) {
    if (!settings.Find(number)) return;
    DialogContext context{settings, number, store};
    DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_SEARCH_SETTING), owner, SearchDialogProc,
                    reinterpret_cast<LPARAM>(&context));
}

}  // namespace tlxinet
