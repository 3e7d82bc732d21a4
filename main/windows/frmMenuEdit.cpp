#include "frmMenuEdit.h"

#include <algorithm>

#include "app_state.h"
#include "frmMenuEdit_ids.h"
#include "function_catalogue.h"
#include "replace_ini_file.h"
#include "text_util.h"
#include "vbIniFile.h"

namespace ptr {

namespace {

constexpr int kLabelCount = 4;
constexpr int kArrowCount = 4;
constexpr int32_t kSelectMenuFunction = 5;   // the selection dialog's mode for a menu item

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

frmMenuEdit::frmMenuEdit(FunctionChooser chooseFunction)
    : EditorDialog(IDD_MENUEDIT), chooseFunction_(std::move(chooseFunction)) {}

void frmMenuEdit::Show2(int16_t modal, HWND owner) {
    if (EqualsNoCase(EditMenuName, "?")) return;
    EditorDialog::Show2(modal, owner);
}

void frmMenuEdit::Form_Load() {
    model_.Read(vbIniFile(App().MenuDataPath + EditMenuName));
    SetWindowTextA(Control(IDC_MENUEDIT_NAME), model_.MenuName.c_str());
    SetWindowTextA(Control(IDC_MENUEDIT_COMMENT), model_.Comment.c_str());
    SetWindowTextA(hWnd(), (std::string(kProductName) + " - メニュー編集").c_str());
    SyncList();
    SelectItem(0);
    ResizeList();
    MenuSaveFlag = false;
}

bool frmMenuEdit::OnCommand(int id, int code) {
    if (id >= IDC_MENUEDIT_ARROW0 && id < IDC_MENUEDIT_ARROW0 + kArrowCount) {
        cmdArrow_Click(id - IDC_MENUEDIT_ARROW0);
        return true;
    }
    switch (id) {
    case IDC_MENUEDIT_LIST:
        if (code == LBN_SELCHANGE) lstMenus_Click();
        return true;
    case IDC_MENUEDIT_CAPTION:
        if (code == EN_CHANGE) txtMenuCaption_Change();
        return true;
    case IDC_MENUEDIT_SEPARATOR: chkSeparator_Click(); return true;
    case IDC_MENUEDIT_SELECTFUNC: cmdSelectFunc_Click(); return true;
    case IDC_MENUEDIT_INSERT: cmdInsert_Click(); return true;
    case IDC_MENUEDIT_DELETE: cmdDelete_Click(); return true;
    case IDC_MENUEDIT_NEXT: cmdNext_Click(); return true;
    case IDOK: cmdOC_Click(0); return true;
    case IDCANCEL: cmdOC_Click(1); return true;
    default: return false;
    }
}

bool frmMenuEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT &result) {
    // The function box is read-only, which the system paints like a disabled box; while
    // it is enabled it looks like the caption box beside it.
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lp) == Control(IDC_MENUEDIT_FUNCTION) &&
        IsWindowEnabled(Control(IDC_MENUEDIT_FUNCTION))) {
        SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOWTEXT));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    return false;
}

bool frmMenuEdit::PaintsBackColor(int id) const {
    return (id >= IDC_MENUEDIT_LABEL0 && id < IDC_MENUEDIT_LABEL0 + kLabelCount) || id == IDC_MENUEDIT_SEPARATOR;
}

void frmMenuEdit::lstMenus_Click() {
    size_t index;
    if (Selected(index)) ShowItem(index);
}

void frmMenuEdit::txtMenuCaption_Change() {
    size_t index;
    if (inCaptionUpdate_ || !Selected(index)) return;
    const HWND box = Control(IDC_MENUEDIT_CAPTION);
    const std::string typed = WindowText(box);
    const std::string clean = RemoveLineBreaks(typed);
    if (clean != typed) {
        inCaptionUpdate_ = true;
        SetWindowTextA(box, clean.c_str());
        SendMessageA(box, EM_SETSEL, clean.size(), clean.size());
        inCaptionUpdate_ = false;
    }
    model_.SetItemCaption(index, clean);
    SyncList();
    ResizeList();
}

void frmMenuEdit::chkSeparator_Click() {
    size_t index;
    if (inSeparatorUpdate_ || !Selected(index)) return;
    model_.SetSeparator(index, IsDlgButtonChecked(hWnd(), IDC_MENUEDIT_SEPARATOR) == BST_CHECKED);
    SyncList();
    ResizeList();
    ShowItem(index);
}

void frmMenuEdit::cmdSelectFunc_Click() {
    size_t index;
    if (!Selected(index)) return;
    int32_t type = model_.Item(index).FuncType;
    std::string option = model_.Item(index).FuncOption;
    if (!chooseFunction_(hWnd(), kSelectMenuFunction, FormBackColor, type, option)) return;
    model_.SetItemFunction(index, type, option);
    ShowItem(index);
}

void frmMenuEdit::cmdArrow_Click(int index) {
    size_t item;
    if (!Selected(item)) return;
    if (index <= 1) {
        // At level 0 "←" does nothing: a negative level would end the top section early.
        if (!model_.ShiftLevel(item, index == 0 ? -1 : +1)) return;
        SyncList();
        ShowItem(item);
        ResizeList();
        return;
    }
    const size_t to = index == 2 ? model_.MoveUp(item) : model_.MoveDown(item);
    SyncList();
    SelectItem(to);
}

void frmMenuEdit::cmdInsert_Click() {
    size_t index;
    if (!Selected(index)) return;
    ShowEntries(model_.Insert(index));
}

void frmMenuEdit::cmdDelete_Click() {
    size_t index;
    if (!Selected(index) || model_.Count() <= 1) return;
    ShowEntries(model_.Delete(index));
}

void frmMenuEdit::ShowEntries(size_t select) {
    SyncList();
    SelectItem(select);
    ResizeList();
}

void frmMenuEdit::cmdNext_Click() {
    size_t index;
    if (!Selected(index) || index + 1 >= model_.Count()) return;
    SelectItem(index + 1);
    // Most often the next entry is typed at once.
    const HWND caption = Control(IDC_MENUEDIT_CAPTION);
    if (IsWindowEnabled(caption)) {
        SendMessageA(hWnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(caption), TRUE);
        SendMessageA(caption, EM_SETSEL, 0, -1);
    }
}

void frmMenuEdit::cmdOC_Click(int index) {
    if (index == 0) {
        model_.MenuName = WindowText(Control(IDC_MENUEDIT_NAME));
        model_.Comment = WindowText(Control(IDC_MENUEDIT_COMMENT));
        if (!CheckMenuData() || !WriteMenuFile()) return;
        MenuSaveFlag = true;
    } else {
        MenuSaveFlag = false;
        EditMode = -1;
    }
    model_ = MenuEditModel();
    Hide();
}

bool frmMenuEdit::Selected(size_t &index) const {
    const LRESULT selected = SendMessageA(Control(IDC_MENUEDIT_LIST), LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || static_cast<size_t>(selected) >= model_.Count()) return false;
    index = static_cast<size_t>(selected);
    return true;
}

void frmMenuEdit::SelectItem(size_t index) {
    SendMessageA(Control(IDC_MENUEDIT_LIST), LB_SETCURSEL, index, 0);
    ShowItem(index);
}

void frmMenuEdit::ShowItem(size_t index) {
    const MenuEditItem &item = model_.Item(index);
    inCaptionUpdate_ = true;
    SetWindowTextA(Control(IDC_MENUEDIT_CAPTION), item.Caption.c_str());
    inCaptionUpdate_ = false;
    const AppState &app = App();
    SetWindowTextA(Control(IDC_MENUEDIT_FUNCTION),
                   GetFunctionName(item.FuncType, item.FuncOption, app.Plugins, app.Menus).c_str());

    inSeparatorUpdate_ = true;
    const bool ordinary = item.ItemType == kEditFunction, separator = item.ItemType == kEditSeparator;
    EnableWindow(Control(IDC_MENUEDIT_CAPTION), !separator);
    EnableWindow(Control(IDC_MENUEDIT_FUNCTION), ordinary);
    EnableWindow(Control(IDC_MENUEDIT_SELECTFUNC), ordinary);
    EnableWindow(Control(IDC_MENUEDIT_SEPARATOR), item.ItemType != kEditSubMenu);
    CheckDlgButton(hWnd(), IDC_MENUEDIT_SEPARATOR, separator ? BST_CHECKED : BST_UNCHECKED);
    inSeparatorUpdate_ = false;
}

void frmMenuEdit::SyncList() {
    const HWND list = Control(IDC_MENUEDIT_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (size_t i = 0; i < model_.Count(); ++i) {
        const std::string text = model_.EntryText(i);
        if (i < shown_.size()) {
            if (shown_[i] == text) continue;
            SendMessageA(list, LB_DELETESTRING, i, 0);
            shown_[i] = text;
        } else {
            shown_.push_back(text);
        }
        SendMessageA(list, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
    for (; shown_.size() > model_.Count(); shown_.pop_back())
        SendMessageA(list, LB_DELETESTRING, shown_.size() - 1, 0);
    if (selected != LB_ERR)
        SendMessageA(list, LB_SETCURSEL, std::min<size_t>(static_cast<size_t>(selected), shown_.size() - 1), 0);
    SendMessageA(list, LB_SETTOPINDEX, top, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void frmMenuEdit::ResizeList() {
    const HWND list = Control(IDC_MENUEDIT_LIST);
    const HDC dc = GetDC(list);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string &text : shown_) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    // A few pixels for the margins a list box leaves around its texts.
    SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 6, 0);
}

bool frmMenuEdit::CheckMenuData() {
    const MenuCheckResult result = model_.CheckMenuData();
    if (result.fault == MenuCheckFault::None) return true;
    if (result.fault == MenuCheckFault::NoMenuName) SetFocus(Control(IDC_MENUEDIT_NAME));
    else if (result.fault != MenuCheckFault::NoItems) SelectItem(result.index);
    MessageBoxA(hWnd(), MenuCheckMessage(result.fault).c_str(), "メニューチェック", MB_OK | MB_ICONWARNING);
    return false;
}

bool frmMenuEdit::WriteMenuFile() {
    const std::string path = App().MenuDataPath + EditMenuName;
    if (ReplaceIniFile(path, [&](IniStore &file) { model_.Write(file); })) return true;
    // The old file is still there; the user may free room or rights and press OK again.
    MessageBoxA(hWnd(),
                ("メニューファイルを保存できませんでした。\r\n" + path + "\r\n" +
                 "フォルダや既存のファイルへの書き込みが許可されているか、ディスクに空きがあるか確認して下さい。")
                    .c_str(),
                kProductName, MB_OK | MB_ICONWARNING);
    return false;
}

}  // namespace ptr
