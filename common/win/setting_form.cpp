#include "setting_form.h"

#include <commctrl.h>

#include <vector>

namespace tlx {

bool SettingForm::Run(HINSTANCE module, int templateId, HWND owner) {
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, Proc, reinterpret_cast<LPARAM>(this)) == IDOK;
}

bool SettingForm::RunUnicode(HINSTANCE module, int templateId, HWND owner) {
    return DialogBoxParamW(module, MAKEINTRESOURCEW(templateId), owner, Proc, reinterpret_cast<LPARAM>(this)) == IDOK;
}

INT_PTR CALLBACK SettingForm::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<SettingForm *>(lParam)->Fill(dialog);
        return TRUE;
    }
    auto *form = reinterpret_cast<SettingForm *>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (INT_PTR result = FALSE; form && form->Handle(dialog, message, wParam, lParam, result)) return result;
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            if (!form) return FALSE;
            if (form->Accept(dialog)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            if (form) form->Notify(dialog, LOWORD(wParam), HIWORD(wParam));
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

void ShowChecked(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void WarnRefused(HWND dialog, const std::string &message) {
    MessageBoxA(dialog, message.c_str(), "設定", MB_OK | MB_ICONWARNING);
}

void ShowNumber(HWND dialog, const NumberField &field, int value) {
    SendDlgItemMessageA(dialog, field.spin, UDM_SETRANGE32, field.low, field.high);
    SetDlgItemInt(dialog, field.edit, static_cast<UINT>(value), FALSE);
}

std::optional<int> ReadNumber(HWND dialog, const NumberField &field) {
    BOOL ok = FALSE;
    const UINT value = GetDlgItemInt(dialog, field.edit, &ok, FALSE);
    if (ok && value >= static_cast<UINT>(field.low) && value <= static_cast<UINT>(field.high))
        return static_cast<int>(value);
    WarnRefused(dialog, std::string(field.name) + "は " + std::to_string(field.low) + " から " +
                            std::to_string(field.high) + " までの数で入力してください。");
    const HWND edit = GetDlgItem(dialog, field.edit);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    return std::nullopt;
}

}  // namespace tlx
