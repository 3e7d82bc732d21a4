#include "setting_form.h"

#include <vector>

namespace tlx {

bool SettingForm::Run(HINSTANCE module, int templateId, HWND owner) {
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, Proc, reinterpret_cast<LPARAM>(this)) == IDOK;
}

INT_PTR CALLBACK SettingForm::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<SettingForm *>(lParam)->Fill(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto *form = reinterpret_cast<SettingForm *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
        case IDOK:
            if (!form) return FALSE;
            if (form->Accept(dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

std::string DialogItemText(HWND dialog, int id) {
    std::vector<char> buffer(GetWindowTextLengthA(GetDlgItem(dialog, id)) + 1);
    const UINT length = GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

void ShowEditText(HWND dialog, int id, const std::string &text, size_t maxBytes) {
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, maxBytes, 0);
    SetDlgItemTextA(dialog, id, text.c_str());
}

}  // namespace tlx
