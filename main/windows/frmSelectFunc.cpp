#include "frmSelectFunc.h"

#include <commdlg.h>

#include "app_state.h"
#include "basCommonFunc.h"
#include "frmMenuEdit.h"
#include "frmSelectFunc_ids.h"
#include "menus.h"
#include "select_func_model.h"
#include "text_util.h"
#include "vbDialog.h"
#include "vbIniFile.h"

namespace ptr {

namespace {

// The grid inside the frame, in twips from its top-left corner: two columns of a
// caption and its list, three rows.
constexpr int kRow1 = 240, kRow2 = 600, kRow3 = 960;
constexpr int kLeftCaption = 120, kLeftValue = 1020, kRightCaption = 2865, kRightValue = 3720;
constexpr int kHalfWidth = 1815, kFullWidth = 4515, kPathWidth = 4275, kBrowseLeft = 5280, kBrowseWidth = 255;
constexpr int kCaptionWidth = 840, kSettingLeft = 4455, kSettingWidth = 1080, kSettingHeight = 345;
constexpr int kDropDownHeight = 3600;   // the open list

struct CaptionSlot {
    int left, top, width;
};
// lblInfo(0) to (3): the category's, the plug-in's, the left and the right of row 2.
constexpr CaptionSlot kCaptions[] = {{kLeftCaption, kRow1, kCaptionWidth},
                                     {kRightCaption, kRow1, kRightValue - kRightCaption - 15},
                                     {kLeftCaption, kRow2, kCaptionWidth},
                                     {kRightCaption, kRow2, kRightValue - kRightCaption - 15}};

int LabelId(int index) { return IDC_SELFUNC_LABEL0 + index; }

void AddItem(HWND combo, const std::string &text, int data) {
    const LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0) SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

int SelectedIndex(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }
bool HasSelection(HWND combo) { return SelectedIndex(combo) >= 0; }
int EntryCount(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); }

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.c_str();
}

void Show(HWND window, bool visible) { ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE); }

}  // namespace

frmSelectFunc::frmSelectFunc() : EditorDialog(IDD_SELFUNC) {}

frmSelectFunc::~frmSelectFunc() {
    if (popupBar_) DestroyMenu(popupBar_);
}

// --- loading -------------------------------------------------------------------------

void frmSelectFunc::Form_Load() {
    const SelectFuncVariant &variant = SelectFuncVariantOf(EditMode);
    inSetControls_ = inPluginUpdate_ = false;
    SetWindowTextA(hWnd(), SelectFuncTitle(EditMode).c_str());
    pluginFuncFilter_ = variant.pluginFuncFilter;

    RECT combo;
    GetWindowRect(Control(IDC_SELFUNC_CATEGORY), &combo);
    rowHeight_ = combo.bottom - combo.top;
    PlaceLabels();
    PlaceValue(IDC_SELFUNC_CATEGORY, kLeftValue, kRow1, kHalfWidth, 0, "カテゴリ");
    PlaceValue(IDC_SELFUNC_SETTING, kSettingLeft, kRow3, kSettingWidth, -1, nullptr);

    const HWND categories = Control(IDC_SELFUNC_CATEGORY);
    for (int32_t category : variant.categories) AddItem(categories, FuncCategoryCaption(category), category);
    if (EditMode == kSelectPluginSettings) {
        // A browser with a settings button: nothing to accept, Enter closes it.
        SetDlgItemTextA(hWnd(), IDC_SELFUNC_FRAME, "設定する項目");
        Show(Control(IDC_SELFUNC_OK), false);
        SetDlgItemTextA(hWnd(), IDC_SELFUNC_CANCEL, "閉じる");
        SendMessageA(hWnd(), DM_SETDEFID, IDC_SELFUNC_CANCEL, 0);
        SendMessageA(Control(IDC_SELFUNC_OK), BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
        SendMessageA(Control(IDC_SELFUNC_CANCEL), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    }
    if (variant.selectFirst) {
        SendMessageA(categories, CB_SETCURSEL, 0, 0);
        cmbFuncCategory_Click();
    } else {
        Show(Control(IDC_SELFUNC_SETTING), false);
        inSetControls_ = true;
        ClearValueControls();
        inSetControls_ = false;
    }
    if (EditMode != kSelectPluginSettings) SetDefaultValues();
}

void frmSelectFunc::PlaceLabels() {
    RECT frame;
    GetWindowRect(Control(IDC_SELFUNC_FRAME), &frame);
    MapWindowPoints(HWND_DESKTOP, hWnd(), reinterpret_cast<POINT *>(&frame), 2);
    for (int i = 0; i < 4; ++i) {
        const RECT r = TwipsRect(kCaptions[i].left, kCaptions[i].top, kCaptions[i].width, 0);
        SetWindowPos(Control(LabelId(i)), nullptr, frame.left + r.left, frame.top + r.top, r.right - r.left,
                     rowHeight_, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// A control of the grid at its twips; a drop-down list is given the height of its open
// list, the others that of a closed one. labelIndex >= 0 also sets that caption.
void frmSelectFunc::PlaceValue(int id, int left, int top, int width, int labelIndex, const char *caption) {
    RECT frame;
    GetWindowRect(Control(IDC_SELFUNC_FRAME), &frame);
    MapWindowPoints(HWND_DESKTOP, hWnd(), reinterpret_cast<POINT *>(&frame), 2);
    const HWND control = Control(id);
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    const bool dropDown = EqualsNoCase(className, "ComboBox");
    const bool button = id == IDC_SELFUNC_SETTING;
    const RECT r = TwipsRect(left, top, width, dropDown ? kDropDownHeight : kSettingHeight);
    SetWindowPos(control, nullptr, frame.left + r.left, frame.top + r.top, r.right - r.left,
                 dropDown || button ? r.bottom - r.top : rowHeight_, SWP_NOZORDER | SWP_NOACTIVATE);
    if (labelIndex >= 0) {
        SetDlgItemTextA(hWnd(), LabelId(labelIndex), caption);
        Show(Control(LabelId(labelIndex)), true);
    }
}

// --- the value controls --------------------------------------------------------------

void frmSelectFunc::ClearValueControls() {
    for (int i = 0; i < 3; ++i) {
        Show(Value(i), false);
        SendMessageA(Value(i), CB_RESETCONTENT, 0, 0);
    }
    Show(Control(IDC_SELFUNC_PATH), false);
    SetDlgItemTextA(hWnd(), IDC_SELFUNC_PATH, "");
    Show(Control(IDC_SELFUNC_BROWSE), false);
    // A label without a caption would still paint over the value control lying under it.
    for (int i = 1; i < 4; ++i) {
        SetDlgItemTextA(hWnd(), LabelId(i), "");
        Show(Control(LabelId(i)), false);
    }
    SetDlgItemTextA(hWnd(), IDC_SELFUNC_INFO, "");
}

void frmSelectFunc::cmbFuncCategory_Click() {
    const int category = CurrentCategory();
    const HWND setting = Control(IDC_SELFUNC_SETTING);
    const bool shown = category == kCategoryPlugin || category == kCategoryMenu || category == kCategoryPluginItself;
    Show(setting, shown);
    SetWindowTextA(setting, category == kCategoryMenu ? "編集" : "設定");
    // A plug-in's button waits for what its list says; a menu can always be edited.
    EnableWindow(setting, category == kCategoryMenu);
    if (category == kCategoryPluginItself) {
        SetFuncControls(kCategoryPlugin, true);
    } else if (category >= kCategoryProgram && category <= kCategoryOpen) {
        SetFuncControls(category, false);
    } else {
        inSetControls_ = true;
        ClearValueControls();
        inSetControls_ = false;
    }
}

void frmSelectFunc::SetFuncControls(int category, bool pluginOnly) {
    AppState &app = App();
    inSetControls_ = true;
    ClearValueControls();
    const HWND list = Value(0);
    switch (category) {
    case kCategoryProgram:
        PlaceValue(IDC_SELFUNC_VALUE0, kLeftValue, kRow2, kFullWidth, 2, "実行機能");
        for (const ProgramFunctionEntry &entry : ProgramFunctionEntries()) AddItem(list, entry.caption, entry.number);
        SendMessageA(list, CB_SETCURSEL, 0, 0);
        Show(list, true);
        break;
    case kCategoryPlugin: {
        PlaceValue(IDC_SELFUNC_VALUE0, kRightValue, kRow1, kHalfWidth, 1, "プラグイン");
        int selected = 0;
        for (size_t i = 0; i < app.Plugins.Count(); ++i) {
            AddItem(list, app.Plugins.At(i).PluginName(), static_cast<int>(i + 1));
            if (!selected && EqualsNoCase(app.Plugins.At(i).PluginFileName(), EditFuncOption))
                selected = static_cast<int>(i);
        }
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        Show(list, true);
        if (pluginOnly) break;
        SetFuncControls_Plugin(1);
        SetFuncControls_Plugin(2);
        PlaceValue(IDC_SELFUNC_VALUE0 + 1, kLeftValue, kRow2, kHalfWidth, 2, "実行機能");
        PlaceValue(IDC_SELFUNC_VALUE0 + 2, kRightValue, kRow2, kHalfWidth, 3, "設定番号");
        Show(Value(1), true);
        Show(Value(2), true);
        break;
    }
    case kCategoryMenu:
        PlaceValue(IDC_SELFUNC_VALUE0, kLeftValue, kRow2, kFullWidth, 2, "メニュー");
        for (size_t i = 0; i < app.Menus.Count(); ++i)
            AddItem(list, app.Menus.At(i).MenuName, static_cast<int>(i + 1));
        SendMessageA(list, CB_SETCURSEL, 0, 0);   // nothing when there are no menus
        Show(list, true);
        break;
    case kCategoryOpen:
        PlaceValue(IDC_SELFUNC_PATH, kLeftValue, kRow2, kPathWidth, 2, "ﾊﾟｽ/URL");
        PlaceValue(IDC_SELFUNC_BROWSE, kBrowseLeft, kRow2, kBrowseWidth, -1, nullptr);
        Show(Control(IDC_SELFUNC_PATH), true);
        Show(Control(IDC_SELFUNC_BROWSE), true);
        break;
    default:
        break;
    }
    inSetControls_ = false;
    ShowFuncInfo(category, pluginOnly);
}

void frmSelectFunc::SetFuncControls_Plugin(int index) {
    if (index == 1) {
        vbKXPlugin *plugin = SelectedPlugin();
        if (!plugin) return;
        SendMessageA(Value(1), CB_RESETCONTENT, 0, 0);
        SendMessageA(Value(2), CB_RESETCONTENT, 0, 0);
        EnableWindow(Control(IDC_SELFUNC_SETTING), FALSE);   // until a function with settings is chosen
        for (int32_t funcno : ListedFunctions(*plugin, pluginFuncFilter_))
            AddItem(Value(1), plugin->PluginFunction(funcno)->FunctionName(), funcno);
        SendMessageA(Value(1), CB_SETCURSEL, 0, 0);
    } else if (index == 2) {
        if (!HasSelection(Value(0)) || !HasSelection(Value(1))) return;
        vbKXPluginFunction *function = SelectedFunction();
        if (!function) return;
        SendMessageA(Value(2), CB_RESETCONTENT, 0, 0);
        for (const int32_t setno : function->OfferedSettings())
            AddItem(Value(2), SettingEntryText(setno, function->SettingName(setno)), setno);
        EnableWindow(Control(IDC_SELFUNC_SETTING), function->IsSetting());
        SendMessageA(Value(2), CB_SETCURSEL, 0, 0);
    }
}

void frmSelectFunc::cmbFuncValue_Click(int index) {
    const int category = CurrentCategory();
    if (category == kCategoryPlugin && !inPluginUpdate_) {
        inPluginUpdate_ = true;
        if (index == 0) SetFuncControls_Plugin(1);
        if (index <= 1) SetFuncControls_Plugin(2);
        inPluginUpdate_ = false;
    }
    if (category == kCategoryPluginItself)
        ShowFuncInfo(kCategoryPlugin, true);
    else
        ShowFuncInfo(category, false);
}

void frmSelectFunc::txtFuncValue_Change() {
    const int category = CurrentCategory();
    if (category >= kCategoryProgram && category <= kCategoryOpen) ShowFuncInfo(category, false);
}

// --- preselection, result, description -----------------------------------------------

void frmSelectFunc::SetDefaultValues() {
    if (EditFuncType == kFunctionNone) return;
    if (SelectItemByData(Control(IDC_SELFUNC_CATEGORY), EditFuncType)) cmbFuncCategory_Click();
    // A function of a category this caller does not offer is not preselected.
    if (CurrentCategory() != EditFuncType) return;
    const AppState &app = App();
    const FuncSelection wanted = ParseFuncSelection(EditFuncType, EditFuncOption);
    switch (EditFuncType) {
    case kFunctionProgram:
        if (SelectItemByData(Value(0), wanted.programFunction)) cmbFuncValue_Click(0);
        break;
    case kFunctionPlugin:
        for (size_t i = 0; i < app.Plugins.Count(); ++i) {
            if (!EqualsNoCase(app.Plugins.At(i).PluginFileName(), *wanted.pluginFile)) continue;
            if (!SelectItemByData(Value(0), static_cast<int>(i + 1))) break;
            cmbFuncValue_Click(0);
            // Function and setting numbers mean something only in their own plug-in.
            if (SelectItemByData(Value(1), wanted.funcno)) cmbFuncValue_Click(1);
            if (SelectItemByData(Value(2), wanted.setno)) cmbFuncValue_Click(2);
            break;
        }
        break;
    case kFunctionMenu:
        for (size_t i = 0; i < app.Menus.Count(); ++i) {
            if (!EqualsNoCase(app.Menus.At(i).MenuFileName(), *wanted.menuFile)) continue;
            if (SelectItemByData(Value(0), static_cast<int>(i + 1))) cmbFuncValue_Click(0);
            break;
        }
        break;
    case kFunctionOpen:
        SetDlgItemTextA(hWnd(), IDC_SELFUNC_PATH, wanted.path.c_str());
        break;
    default:
        break;
    }
}

bool frmSelectFunc::GetFuncValues(int category) {
    const FuncValues values = ptr::GetFuncValues(category, CurrentSelection(category));
    if (!values.complete) return false;
    EditFuncType = values.type;
    EditFuncOption = values.option;
    return true;
}

void frmSelectFunc::ShowFuncInfo(int category, bool pluginOnly) {
    if (inSetControls_ || inPluginUpdate_) return;
    if (pluginOnly) {
        const vbKXPlugin *plugin = SelectedPlugin();
        if (!plugin) return;
        if (EditMode == kSelectPluginSettings) EnableWindow(Control(IDC_SELFUNC_SETTING), plugin->IsSetting());
        SetDlgItemTextA(hWnd(), IDC_SELFUNC_INFO, plugin->PluginComment().c_str());
        return;
    }
    const vbKXPluginFunction *function = category == kCategoryPlugin ? SelectedFunction() : nullptr;
    const AppState &app = App();
    const std::string text = FuncInfoText(category, CurrentSelection(category),
                                          function ? function->FunctionComment() : "", app.Plugins, app.Menus);
    SetDlgItemTextA(hWnd(), IDC_SELFUNC_INFO, text.c_str());
}

bool frmSelectFunc::SelectItemByData(HWND list, int value) {
    const int count = EntryCount(list);
    for (int i = 0; i < count; ++i) {
        if (static_cast<int>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) != value) continue;
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        return true;
    }
    return false;
}

// --- buttons -------------------------------------------------------------------------

void frmSelectFunc::cmdOC_Click(int index) {
    if (index == 1) {
        Cancel();
        return;
    }
    if (!IsWindowVisible(Control(IDC_SELFUNC_OK))) return;   // the plug-in browser accepts nothing
    if (GetFuncValues(CurrentCategory())) Hide();
}

void frmSelectFunc::cmdSetting_Click() {
    switch (CurrentCategory()) {
    case kCategoryPlugin: {
        vbKXPlugin *plugin = SelectedPlugin();
        vbKXPluginFunction *function = SelectedFunction();
        if (!plugin || !function || !HasSelection(Value(2))) return;
        const int setno = GetComboItemData(Value(2));
        plugin->ShowSetting(function->FunctionNumber(), setno, hWnd());
        function->LoadSettingName(setno);
        // The dialog may have added or removed settings too: the list anew, on the same one.
        SetFuncControls_Plugin(2);
        SelectItemByData(Value(2), setno);
        ShowFuncInfo(kCategoryPlugin, false);
        break;
    }
    case kCategoryMenu: {
        const vbMenu *menu = SelectedMenu();
        if (!menu) return;
        if (EqualsNoCase(menu->MenuFileName(), kDefaultMenuName)) RebuildDefaultMenu();
        else EditMenu(menu->MenuFileName());
        break;
    }
    case kCategoryPluginItself:
        if (vbKXPlugin *plugin = SelectedPlugin()) plugin->ShowSetting(0, 0, hWnd());
        break;
    default:
        break;
    }
}

void frmSelectFunc::EditMenu(const std::string &fileName) {
    frmMenuEdit editor(ChooseFunction);
    editor.FormBackColor = FormBackColor;
    editor.EditMenuName = fileName;
    editor.Show2(1, hWnd());
    if (!editor.MenuSaveFlag) return;
    // The entry takes the menu's new name, and the description its new state.
    const vbMenu &menu = LoadMenuByName(fileName);
    const HWND list = Value(0);
    const int index = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
    const LRESULT data = SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    SendMessageA(list, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(list, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(menu.MenuName.c_str()));
    SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    cmbFuncValue_Click(0);
}

void frmSelectFunc::RebuildDefaultMenu() {
    if (MessageBoxA(hWnd(), "デフォルトメニューを再構築しますか？", kProductName, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    LoadMenuByName(kDefaultMenuName);
    MessageBoxA(hWnd(), "再構築が終了しました。", kProductName, MB_OK | MB_ICONINFORMATION);
}

void frmSelectFunc::cmdFuncValue_Click() {
    if (!popupBar_) popupBar_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_SELFUNC_POPUP));
    // At the mouse pointer; opened from the keyboard, below the button.
    RECT button;
    GetWindowRect(Control(IDC_SELFUNC_BROWSE), &button);
    POINT at;
    GetCursorPos(&at);
    if (!PtInRect(&button, at)) at = {button.left, button.bottom};
    const int chosen = TrackPopupMenu(GetSubMenu(popupBar_, 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                      at.x, at.y, 0, hWnd(), nullptr);
    if (chosen) mnuPopup_Select_Click(chosen - IDC_SELFUNC_POPUP_SELECT0);
}

void frmSelectFunc::mnuPopup_Select_Click(int index) {
    vbDialog dialog;
    if (index == 0) {
        const std::string file = dialog.ShowOpenFileDlg(
            hWnd(), "ファイルを開く", FileFilter({{"実行可能ファイル(*.exe)", "*.exe"}, {"全てのファイル(*.*)", "*.*"}}),
            App().AppPath, 0);
        if (!file.empty()) SetDlgItemTextA(hWnd(), IDC_SELFUNC_PATH, file.c_str());
    } else if (index == 1) {
        const std::string file = dialog.ShowOpenFileDlg(
            hWnd(), "ショートカットを開く",
            FileFilter({{"インターネットショートカット(*.url)", "*.url"}, {"全てのファイル(*.*)", "*.*"}}),
            GetFavoritesFolder(), OFN_NODEREFERENCELINKS);
        if (file.empty()) return;
        const std::string url = vbIniFile(file).GetText("InternetShortcut", "URL", "");
        SetDlgItemTextA(hWnd(), IDC_SELFUNC_PATH, (url.empty() ? file : url).c_str());
    }
}

// --- messages ------------------------------------------------------------------------

bool frmSelectFunc::OnCommand(int id, int code) {
    switch (id) {
    case IDC_SELFUNC_OK:
    case IDC_SELFUNC_CANCEL:
        cmdOC_Click(id == IDC_SELFUNC_OK ? 0 : 1);
        return true;
    case IDC_SELFUNC_CATEGORY:
        if (code == CBN_SELCHANGE) cmbFuncCategory_Click();
        return true;
    case IDC_SELFUNC_VALUE0:
    case IDC_SELFUNC_VALUE0 + 1:
    case IDC_SELFUNC_VALUE0 + 2:
        if (code == CBN_SELCHANGE) cmbFuncValue_Click(id - IDC_SELFUNC_VALUE0);
        return true;
    case IDC_SELFUNC_PATH:
        if (code == EN_CHANGE) txtFuncValue_Change();
        return true;
    case IDC_SELFUNC_BROWSE:
        cmdFuncValue_Click();
        return true;
    case IDC_SELFUNC_SETTING:
        cmdSetting_Click();
        return true;
    default:
        return false;
    }
}

bool frmSelectFunc::PaintsBackColor(int id) const {
    return id == IDC_SELFUNC_FRAME || (id >= IDC_SELFUNC_LABEL0 && id < IDC_SELFUNC_LABEL0 + 4);
}

// --- the selections ------------------------------------------------------------------

HWND frmSelectFunc::Value(int index) const { return Control(IDC_SELFUNC_VALUE0 + index); }

int frmSelectFunc::CurrentCategory() const { return GetComboItemData(Control(IDC_SELFUNC_CATEGORY)); }

vbKXPlugin *frmSelectFunc::SelectedPlugin() const {
    const int position = GetComboItemData(Value(0));
    const PluginList &plugins = App().Plugins;
    return position >= 1 && static_cast<size_t>(position) <= plugins.Count() ? &plugins.At(position - 1) : nullptr;
}

vbKXPluginFunction *frmSelectFunc::SelectedFunction() const {
    vbKXPlugin *plugin = SelectedPlugin();
    const int funcno = GetComboItemData(Value(1));
    return plugin && funcno >= 1 ? plugin->PluginFunction(funcno) : nullptr;
}

vbMenu *frmSelectFunc::SelectedMenu() const {
    const int position = GetComboItemData(Value(0));
    const MenuList &menus = App().Menus;
    return position >= 1 && static_cast<size_t>(position) <= menus.Count() ? &menus.At(position - 1) : nullptr;
}

FuncSelection frmSelectFunc::CurrentSelection(int category) const {
    FuncSelection selection;
    switch (category) {
    case kCategoryProgram:
        selection.programFunction = GetComboItemData(Value(0));
        break;
    case kCategoryPlugin:
        if (const vbKXPlugin *plugin = SelectedPlugin()) selection.pluginFile = plugin->PluginFileName();
        selection.funcno = GetComboItemData(Value(1));
        selection.setno = GetComboItemData(Value(2));
        break;
    case kCategoryMenu:
        if (const vbMenu *menu = SelectedMenu()) selection.menuFile = menu->MenuFileName();
        break;
    case kCategoryOpen:
        selection.path = TextOf(Control(IDC_SELFUNC_PATH));
        break;
    default:
        break;
    }
    return selection;
}

bool ChooseFunction(HWND owner, int32_t mode, COLORREF backColor, int32_t &type, std::string &option) {
    frmSelectFunc dialog;
    dialog.EditMode = mode;
    dialog.FormBackColor = backColor;
    dialog.EditFuncType = type;
    dialog.EditFuncOption = option;
    dialog.Show2(1, owner);
    if (dialog.EditMode == -1) return false;
    type = dialog.EditFuncType;
    option = dialog.EditFuncOption;
    return true;
}

}  // namespace ptr
