#include "frmHotkey.h"

#include "basCommonFunc.h"
#include "editor_refusals.h"
#include "editor_support.h"
#include "frmHotkey_ids.h"
#include "frmSelectFunc.h"
#include "hotkey_edit_rules.h"
#include "vbHotKey.h"

namespace ptr {

frmHotkey::frmHotkey() : EditorDialog(IDD_HOTKEY) {}

void frmHotkey::Form_Load() {
    const HWND category = Control(IDC_HOTKEY_CATEGORY);
    for (int c = 0; c < kHotkeyCategoryCount; ++c) SendMessageA(category, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(HotkeyCategoryCaption(c)));
    SendMessageA(category, CB_SETCURSEL, kKeysAll, 0);
    cmbHotkeyCategory_Click();
    if (EditMode != 0) {
        SetWindowTextA(hWnd(), "ポルテリカ - ホットキー変更");
        for (int i = 0; i < kModifierBoxCount; ++i)
            CheckDlgButton(hWnd(), IDC_HOTKEY_MOD0 + i, (EditKeyMod & kModifierBoxBits[i]) ? BST_CHECKED : BST_UNCHECKED);
        SendMessageA(Control(IDC_HOTKEY_KEY), CB_SETCURSEL, KeyIndexOf(HotkeyCategoryKeys(kKeysAll), EditKeyCode), 0);
        SetDlgItemTextA(hWnd(), IDC_HOTKEY_FUNC, FunctionDisplayName(EditFuncType, EditFuncOption).c_str());
    } else {
        SetWindowTextA(hWnd(), "ポルテリカ - ホットキー設定");
    }
}

bool frmHotkey::OnCommand(int id, int code) {
    switch (id) {
    case IDC_HOTKEY_CATEGORY:
        if (code == CBN_SELCHANGE) cmbHotkeyCategory_Click();
        return true;
    case IDC_HOTKEY_CHECK: cmdHotkeyCheck_Click(); return true;
    case IDC_HOTKEY_FUNC_SELECT: cmdFuncSelect_Click(); return true;
    case IDC_HOTKEY_OK: cmdOC_Click(0); return true;
    case IDC_HOTKEY_CANCEL: cmdOC_Click(1); return true;
    default: return false;
    }
}

bool frmHotkey::PaintsBackColor(int id) const {
    return id == IDC_HOTKEY_FRAME || id == IDC_HOTKEY_FUNC_FRAME || id == IDC_HOTKEY_LABEL0 ||
           id == IDC_HOTKEY_LABEL0 + 1 || (id >= IDC_HOTKEY_MOD0 && id < IDC_HOTKEY_MOD0 + kModifierBoxCount);
}

void frmHotkey::cmbHotkeyCategory_Click() {
    const HWND keys = Control(IDC_HOTKEY_KEY);
    SendMessageA(keys, CB_RESETCONTENT, 0, 0);
    const int category = static_cast<int>(SendMessageA(Control(IDC_HOTKEY_CATEGORY), CB_GETCURSEL, 0, 0));
    for (const HotkeyKey &key : HotkeyCategoryKeys(category)) {
        const LRESULT row = SendMessageA(keys, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.text.c_str()));
        SendMessageA(keys, CB_SETITEMDATA, row, key.code);
    }
    SendMessageA(keys, CB_SETCURSEL, 0, 0);
}

int32_t frmHotkey::SelectedKey() const { return GetComboItemData(Control(IDC_HOTKEY_KEY)); }

int32_t frmHotkey::CheckedModifiers() const {
    std::array<bool, kModifierBoxCount> checked{};
    for (int i = 0; i < kModifierBoxCount; ++i) checked[i] = IsDlgButtonChecked(hWnd(), IDC_HOTKEY_MOD0 + i) == BST_CHECKED;
    return ModifierBitsOf(checked);
}

bool frmHotkey::TestDue() const {
    return IsHotkeyTestDue(EditMode, EditKeyCode, EditKeyMod, SelectedKey(), CheckedModifiers());
}

bool frmHotkey::CombinationFree() const { return vbHotKey::CanSetHotkey(hWnd(), SelectedKey(), CheckedModifiers()); }

void frmHotkey::cmdHotkeyCheck_Click() {
    if (!TestDue()) return;
    if (CombinationFree())
        ShowDialogMessage(hWnd(), "この組み合わせは利用可能です。", MB_ICONINFORMATION);
    else
        ShowDialogMessage(hWnd(), "この組み合わせは利用出来ません。", MB_ICONWARNING);
}

void frmHotkey::cmdFuncSelect_Click() {
    if (ChooseFunction(hWnd(), EditMode, FormBackColor, EditFuncType, EditFuncOption))
        SetDlgItemTextA(hWnd(), IDC_HOTKEY_FUNC, FunctionDisplayName(EditFuncType, EditFuncOption).c_str());
}

void frmHotkey::cmdOC_Click(int index) {
    if (index != 0) {
        Cancel();
        return;
    }
    const EditRefusal refusal = HotkeyOkRefusal(EditFuncOption, TestDue(), [this] { return CombinationFree(); });
    if (refusal != EditRefusal::None) {
        ShowDialogMessage(hWnd(), RefusalMessage(refusal), MB_ICONWARNING);
        return;
    }
    EditKeyMod = CheckedModifiers();
    EditKeyCode = SelectedKey();
    Hide();
}

}  // namespace ptr
