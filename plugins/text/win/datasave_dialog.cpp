#include "dialog_context.h"
#include "resource.h"
#include "settings_dialogs.h"

namespace tlxtext {

namespace {

void OnInitDialog(HWND dialog, DialogContext &context) {
    CheckDlgButton(dialog, IDC_DATASAVE, context.settings.dataSave ? BST_CHECKED : BST_UNCHECKED);
}

void OnOk(HWND dialog) {
    DialogContext &context = ContextOf(dialog);
    context.settings.dataSave = IsDlgButtonChecked(dialog, IDC_DATASAVE) == BST_CHECKED ? 1 : 0;
    SaveDataSave(context.files, context.settings.dataSave);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DataSaveProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, AttachContext(dialog, lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(dialog);
        else if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowDataSaveDialog(HINSTANCE instance, HWND owner, TextSettings &settings, const PluginFiles &files) {
    DialogContext context{settings, files, 0};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DATASAVE), owner, DataSaveProc,
                    reinterpret_cast<LPARAM>(&context));
}

}  // namespace tlxtext
