#include "frmInputBox.h"

#include <vector>

#include "app_state.h"
#include "basCommonFunc.h"
#include "frmInputBox_ids.h"
#include "screen_dpi.h"
#include "ui_fonts.h"
#include "window_dpi.h"

namespace ptr {

namespace {

struct InputBoxData {
    const std::string &prompt;
    const std::string &title;
    std::string &text;
    int dpi = 96;   // of the monitor the box is on
};

void CentreOnOwner(HWND dialog) {
    RECT box, around;
    GetWindowRect(dialog, &box);
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &around))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
    const int width = box.right - box.left, height = box.bottom - box.top;
    SetWindowPos(dialog, nullptr, around.left + (around.right - around.left - width) / 2,
                 around.top + (around.bottom - around.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

std::string TextOf(HWND control) {
    std::vector<char> text(GetWindowTextLengthA(control) + 1);
    GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return text.data();
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto *data = reinterpret_cast<InputBoxData *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        data = reinterpret_cast<InputBoxData *>(lp);
        SetWindowLongPtrA(dialog, DWLP_USER, lp);
        KeepDialogDpiChanges(dialog);
        data->dpi = tlx::WindowDpi(dialog);
        if (App().HelpMode) ScaleForHelpMode(dialog);
        SetWindowTextA(dialog, data->title.c_str());
        SetDlgItemTextA(dialog, IDC_INPUTBOX_PROMPT, data->prompt.c_str());
        const HWND box = GetDlgItem(dialog, IDC_INPUTBOX_TEXT);
        SetWindowTextA(box, data->text.c_str());
        SendMessageA(box, EM_SETSEL, 0, -1);   // typing replaces the proposal
        CentreOnOwner(dialog);
        SetFocus(box);
        return FALSE;   // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) data->text = TextOf(GetDlgItem(dialog, IDC_INPUTBOX_TEXT));
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) EndDialog(dialog, LOWORD(wp));
        return TRUE;
    case WM_DPICHANGED:
        // The template's face and size at the new resolution; help mode keeps its own font.
        data->dpi = FollowDpiChange(dialog, data->dpi, wp, lp, App().HelpMode ? nullptr : DialogFont(HIWORD(wp)));
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

bool InputBox(HWND owner, const std::string &prompt, const std::string &title, std::string &text) {
    InputBoxData data{prompt, title, text};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INPUTBOX), owner, InputBoxProc,
                           reinterpret_cast<LPARAM>(&data)) == IDOK;
}

}  // namespace ptr
