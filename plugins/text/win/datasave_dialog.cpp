#include "resource.h"
#include "settings_dialogs.h"

namespace tlxtext {

namespace {

struct DataSaveContext {
    TextSettings &settings;
    const PluginFiles &files;
};

DataSaveContext &Context(HWND dialog) {
    return *reinterpret_cast<DataSaveContext *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, DataSaveContext &context) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&context));
    CheckDlgButton(dialog, IDC_DATASAVE, context.settings.dataSave ? BST_CHECKED : BST_UNCHECKED);
}

void OnOk(HWND dialog) {
    DataSaveContext &context = Context(dialog);
    context.settings.dataSave = IsDlgButtonChecked(dialog, IDC_DATASAVE) == BST_CHECKED ? 1 : 0;
    SaveDataSave(context.files, context.settings.dataSave);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DataSaveProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, *reinterpret_cast<DataSaveContext *>(lParam));
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
    DataSaveContext context{settings, files};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DATASAVE), owner, DataSaveProc,
                    reinterpret_cast<LPARAM>(&context));
}

}  // namespace tlxtext
