#include "frmWatch.h"

#include "app_state.h"
#include "editor_refusals.h"
#include "editor_support.h"
#include "frmSelectFunc.h"
#include "frmWatch_ids.h"
#include "function_catalogue.h"
#include "watch_edit_rules.h"

namespace ptr {

namespace {

constexpr int32_t kSelectCheckFunction = 7;   // the selection dialog lists check functions only

}  // namespace

frmWatch::frmWatch() : EditorDialog(IDD_WATCH) {}

void frmWatch::Form_Load() {
    FillFormats();
    CheckDlgButton(hWnd(), IDC_WATCH_ALL_DATA, EditAllType ? BST_CHECKED : BST_UNCHECKED);
    chkAllData_Click();
    FillChecks();
    CheckRadioButton(hWnd(), IDC_WATCH_AND, IDC_WATCH_OR, EditPluginCheckAnd ? IDC_WATCH_AND : IDC_WATCH_OR);
    if (EditMode == 2) {
        SetWindowTextA(hWnd(), "ポルテリカ - クリップボード監視動作追加");
    } else {
        SetWindowTextA(hWnd(), "ポルテリカ - クリップボード監視動作変更");
        SetDlgItemTextA(hWnd(), IDC_WATCH_FUNC, FunctionDisplayName(EditFuncType, EditFuncOption).c_str());
    }
}

void frmWatch::FillFormats() {
    const HWND list = Control(IDC_WATCH_TYPES);
    listed_ = ListedFormats(App().ClipboardTypes);
    const FormatChoice choice = MatchWantedFormats(listed_, EditClipboardType);
    for (size_t i = 0; i < listed_.size(); ++i) {
        const LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(listed_[i].Name.c_str()));
        if (choice.selected[i]) SendMessageA(list, LB_SETSEL, TRUE, row);
    }
    if (!listed_.empty()) SendMessageA(list, LB_SETCARETINDEX, 0, FALSE);
    SetDlgItemTextA(hWnd(), IDC_WATCH_OTHER_TYPES, choice.otherText.c_str());
}

void frmWatch::FillChecks() {
    checks_ = SplitCheckList(EditPluginCheck);
    const HWND list = Control(IDC_WATCH_CHECKS);
    for (const std::string &reference : checks_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CheckDisplayName(reference).c_str()));
    if (!checks_.empty()) SendMessageA(list, LB_SETCURSEL, 0, 0);
}

bool frmWatch::OnCommand(int id, int code) {
    switch (id) {
    case IDC_WATCH_ALL_DATA:
        if (code == BN_CLICKED) chkAllData_Click();
        return true;
    case IDC_WATCH_CHECK_BUTTON0:
    case IDC_WATCH_CHECK_BUTTON0 + 1:
    case IDC_WATCH_CHECK_BUTTON0 + 2: cmdPluginCheck_Click(id - IDC_WATCH_CHECK_BUTTON0); return true;
    case IDC_WATCH_CHECKS:
        // A double click changes the check, as "変更" does.
        if (code == LBN_DBLCLK) cmdPluginCheck_Click(1);
        return true;
    case IDC_WATCH_FUNC_SELECT: cmdFuncSelect_Click(); return true;
    case IDC_WATCH_OK: cmdOC_Click(0); return true;
    case IDC_WATCH_CANCEL: cmdOC_Click(1); return true;
    default: return false;
    }
}

bool frmWatch::PaintsBackColor(int id) const {
    return id == IDC_WATCH_FRAME || id == IDC_WATCH_FUNC_FRAME || id == IDC_WATCH_ALL_DATA || id == IDC_WATCH_AND ||
           id == IDC_WATCH_OR || (id >= IDC_WATCH_LABEL0 && id <= IDC_WATCH_LABEL0 + 2);
}

void frmWatch::chkAllData_Click() {
    const BOOL formatsApply = IsDlgButtonChecked(hWnd(), IDC_WATCH_ALL_DATA) != BST_CHECKED;
    EnableWindow(Control(IDC_WATCH_TYPES), formatsApply);
    EnableWindow(Control(IDC_WATCH_OTHER_TYPES), formatsApply);
}

void frmWatch::cmdPluginCheck_Click(int index) {
    switch (index) {
    case 0: AddCheck(); break;
    case 1: ChangeCheck(); break;
    case 2: RemoveCheck(); break;
    default: break;
    }
}

int frmWatch::CurrentCheck() const {
    return static_cast<int>(SendMessageA(Control(IDC_WATCH_CHECKS), LB_GETCURSEL, 0, 0));
}

void frmWatch::AddCheck() {
    int32_t type = -1;
    std::string reference;
    if (!ChooseFunction(hWnd(), kSelectCheckFunction, FormBackColor, type, reference)) return;
    checks_.push_back(reference);
    const HWND list = Control(IDC_WATCH_CHECKS);
    const LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CheckDisplayName(reference).c_str()));
    SendMessageA(list, LB_SETCURSEL, row, 0);
}

void frmWatch::ChangeCheck() {
    const int current = CurrentCheck();
    if (current < 0) return;
    // A check is always a plug-in function: named as one, the selection dialog shows it.
    int32_t type = kFunctionPlugin;
    std::string reference = checks_.at(current);
    if (!ChooseFunction(hWnd(), kSelectCheckFunction, FormBackColor, type, reference)) return;
    checks_.at(current) = reference;
    const HWND list = Control(IDC_WATCH_CHECKS);
    SendMessageA(list, LB_DELETESTRING, current, 0);
    SendMessageA(list, LB_INSERTSTRING, current, reinterpret_cast<LPARAM>(CheckDisplayName(reference).c_str()));
    SendMessageA(list, LB_SETCURSEL, current, 0);
}

void frmWatch::RemoveCheck() {
    const int current = CurrentCheck();
    if (current < 0) return;
    checks_.erase(checks_.begin() + current);
    const HWND list = Control(IDC_WATCH_CHECKS);
    SendMessageA(list, LB_DELETESTRING, current, 0);
    SendMessageA(list, LB_SETCURSEL, CurrentAfterRemoval(current, static_cast<int>(checks_.size())), 0);
}

void frmWatch::cmdFuncSelect_Click() {
    if (ChooseFunction(hWnd(), EditMode, FormBackColor, EditFuncType, EditFuncOption))
        SetDlgItemTextA(hWnd(), IDC_WATCH_FUNC, FunctionDisplayName(EditFuncType, EditFuncOption).c_str());
}

std::string frmWatch::ChosenFormats() const {
    const HWND list = Control(IDC_WATCH_TYPES);
    std::vector<std::string> values;
    for (size_t i = 0; i < listed_.size(); ++i)
        if (SendMessageA(list, LB_GETSEL, i, 0) > 0) values.push_back(listed_[i].Value);
    return JoinChosenFormats(values, DialogItemText(hWnd(), IDC_WATCH_OTHER_TYPES));
}

void frmWatch::cmdOC_Click(int index) {
    if (index != 0) {
        Cancel();
        return;
    }
    const EditRefusal refusal = WatchOkRefusal(EditFuncOption);
    if (refusal != EditRefusal::None) {
        ShowDialogMessage(hWnd(), RefusalMessage(refusal), MB_ICONWARNING);
        return;
    }
    EditClipboardType = ChosenFormats();
    EditAllType = ChosenAllType(EditClipboardType, IsDlgButtonChecked(hWnd(), IDC_WATCH_ALL_DATA) == BST_CHECKED);
    EditPluginCheck = JoinCheckList(checks_);
    EditPluginCheckAnd = IsDlgButtonChecked(hWnd(), IDC_WATCH_AND) == BST_CHECKED;
    Hide();
}

}  // namespace ptr
