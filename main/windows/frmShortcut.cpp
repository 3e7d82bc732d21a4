#include "frmShortcut.h"

#include "app_state.h"
#include "basCommonFunc.h"
#include "editor_refusals.h"
#include "editor_support.h"
#include "frmSelectFunc.h"
#include "frmShortcut_ids.h"
#include "shortcut_rules.h"
#include "vbDialog.h"

namespace ptr {

frmShortcut::frmShortcut() : EditorDialog(IDD_SHORTCUT) {}

void frmShortcut::Form_Load() { SetWindowTextA(hWnd(), "ポルテリカ - ショートカット作成"); }

bool frmShortcut::OnCommand(int id, int code) {
    (void)code;
    switch (id) {
    case IDC_SHORTCUT_FUNC_SELECT: cmdFuncSelect_Click(); return true;
    case IDC_SHORTCUT_FILE_SELECT: cmdFileSelect_Click(); return true;
    case IDC_SHORTCUT_OK: cmdOC_Click(0); return true;
    case IDC_SHORTCUT_CANCEL: cmdOC_Click(1); return true;
    default: return false;
    }
}

bool frmShortcut::PaintsBackColor(int id) const {
    return id == IDC_SHORTCUT_FUNC_FRAME || id == IDC_SHORTCUT_FILE_FRAME || id == IDC_SHORTCUT_LABEL;
}

std::string frmShortcut::Text(int id) const { return DialogItemText(hWnd(), id); }

void frmShortcut::cmdFuncSelect_Click() {
    if (!ChooseFunction(hWnd(), EditMode, FormBackColor, EditFuncType, EditFuncOption)) return;
    SetDlgItemTextA(hWnd(), IDC_SHORTCUT_FUNC, FunctionDisplayName(EditFuncType, EditFuncOption).c_str());
    SetDlgItemTextA(hWnd(), IDC_SHORTCUT_COMMAND_LINE, ExecuteArguments(EditFuncType, EditFuncOption).c_str());
}

void frmShortcut::cmdFileSelect_Click() {
    int32_t filterIndex = 0;
    const std::string path =
        vbDialog().ShowSaveFileDlg(hWnd(), "ショートカットの保存先指定",
                                   FileFilter({{"ショートカット(*.lnk)", "*.lnk"}, {"全てのファイル(*.*)", "*.*"}}),
                                   App().AppPath, "", filterIndex);
    if (!path.empty()) SetDlgItemTextA(hWnd(), IDC_SHORTCUT_FILE, WithLinkExtension(path).c_str());
}

void frmShortcut::cmdOC_Click(int index) {
    if (index != 0) {
        Cancel();
        return;
    }
    const std::string fileName = Text(IDC_SHORTCUT_FILE);
    const EditRefusal refusal = ShortcutOkRefusal(EditFuncOption, fileName);
    if (refusal != EditRefusal::None) {
        ShowDialogMessage(hWnd(), RefusalMessage(refusal), MB_ICONWARNING);
        const int focus = refusal == EditRefusal::NoFunction ? IDC_SHORTCUT_FUNC_SELECT : IDC_SHORTCUT_FILE_SELECT;
        SendMessageA(hWnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(focus)), TRUE);
        return;
    }
    // A shortcut that could not be written is said so, and the user may pick another place.
    if (!CreateFunctionShortcut(fileName, ShortcutDescription(Text(IDC_SHORTCUT_FUNC)), Text(IDC_SHORTCUT_COMMAND_LINE))) {
        ShowDialogMessage(hWnd(), RefusalMessage(EditRefusal::NotWritten), MB_ICONWARNING);
        SendMessageA(hWnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_SHORTCUT_FILE)), TRUE);
        return;
    }
    Hide();
}

}  // namespace ptr
