#include <string>
#include <vector>

#include "dialog_context.h"
#include "resource.h"
#include "settings_dialogs.h"
#include "text_functions.h"

namespace tlxtext {

namespace {

int EditedFunction(HWND dialog) { return static_cast<int>(GetDlgItemInt(dialog, IDC_FUNCNO, nullptr, TRUE)); }

void SelectChoice(HWND dialog, SeparatorChoice choice) {
    CheckRadioButton(dialog, IDC_SEP_FIRST, IDC_SEP_OTHER, IDC_SEP_FIRST + choice);
}

SeparatorChoice SelectedChoice(HWND dialog) {
    for (int choice = 0; choice < kSepChoiceCount; ++choice)
        if (IsDlgButtonChecked(dialog, IDC_SEP_FIRST + choice) == BST_CHECKED)
            return static_cast<SeparatorChoice>(choice);
    return kSepNone;
}

std::string ControlText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::vector<char> text(GetWindowTextLengthA(control) + 1);
    const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length > 0 ? length : 0);
}

void ShowJoinOrder(HWND dialog, bool show) {
    for (int id : {IDC_JOIN_CAPTION, IDC_JOIN_FRONT, IDC_JOIN_BACK})
        ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
}

void OnInitDialog(HWND dialog, DialogContext &context) {
    SetDlgItemInt(dialog, IDC_FUNCNO, context.funcno, TRUE);
    SendDlgItemMessageA(dialog, IDC_SEP_TEXT, EM_LIMITTEXT, kMaxSeparatorBytes, 0);
    const bool join = context.funcno == kFuncJoin;
    ShowJoinOrder(dialog, join);
    if (join)
        CheckRadioButton(dialog, IDC_JOIN_FRONT, IDC_JOIN_BACK,
                         context.settings.textAddType == kCurrentFirst ? IDC_JOIN_FRONT : IDC_JOIN_BACK);
    const std::string &separator = join ? context.settings.textAddSep : context.settings.fileToTextSep;
    const SeparatorChoice choice = ChoiceForSeparator(separator);
    if (choice == kSepOther) SetDlgItemTextA(dialog, IDC_SEP_TEXT, separator.c_str());
    SelectChoice(dialog, choice);
}

void OnOk(HWND dialog) {
    DialogContext &context = ContextOf(dialog);
    const std::string separator = SeparatorForChoice(SelectedChoice(dialog), ControlText(dialog, IDC_SEP_TEXT));
    if (EditedFunction(dialog) == kFuncJoin) {
        context.settings.textAddSep = separator;
        context.settings.textAddType =
            IsDlgButtonChecked(dialog, IDC_JOIN_FRONT) == BST_CHECKED ? kCurrentFirst : kKeptFirst;
        SaveTextAdd(context.files, context.settings.textAddSep, context.settings.textAddType);
    } else {
        context.settings.fileToTextSep = separator;
        SaveFileToTextSep(context.files, context.settings.fileToTextSep);
    }
    EndDialog(dialog, IDOK);
}

// Typing a separator of one's own means "other".
void OnSeparatorTextChanged(HWND dialog) { SelectChoice(dialog, kSepOther); }

INT_PTR CALLBACK SeparatorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, AttachContext(dialog, lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOk(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_SEP_TEXT:
            if (HIWORD(wParam) == EN_CHANGE) OnSeparatorTextChanged(dialog);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void ShowSeparatorDialog(HINSTANCE instance, HWND owner, int funcno, TextSettings &settings,
                         const PluginFiles &files) {
    DialogContext context{settings, files, funcno};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SEPARATOR), owner, SeparatorProc,
                    reinterpret_cast<LPARAM>(&context));
}

}  // namespace tlxtext
