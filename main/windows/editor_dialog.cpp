#include "editor_dialog.h"

#include <algorithm>

#include "app_state.h"
#include "basCommonFunc.h"
#include "resource_ids.h"
#include "screen_dpi.h"
#include "ui_fonts.h"
#include "window_dpi.h"

namespace ptr {

namespace {

bool IsEditBox(HWND control) {
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0;
}

}  // namespace

EditorDialog::~EditorDialog() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (backBrush_) DeleteObject(backBrush_);
}

void EditorDialog::Show2(int16_t modal, HWND owner) {
    (void)modal;
    owner_ = owner;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(FormBackColor);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                    reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
}

void EditorDialog::Hide() {
    if (hwnd_) EndDialog(hwnd_, 0);
}

RECT EditorDialog::TwipsRect(int left, int top, int width, int height) const {
    // The layout is designed for dialog base units of 6 x 12 pixels at 96 dpi, where one
    // dialog unit is 22.5 twips; other fonts and resolutions scale it as the template's
    // own controls scale. The units are those of the resolution the dialog was made at,
    // so a move to another monitor scales them like the controls.
    const RECT &base = baseUnits_;
    const double scale = App().HelpModeScale * dpi_ / loadDpi_;
    const auto x = [&](int twips) { return static_cast<int>(twips * scale * base.right / 90.0 + 0.5); };
    const auto y = [&](int twips) { return static_cast<int>(twips * scale * base.bottom / 180.0 + 0.5); };
    return {x(left), y(top), x(left + width), y(top + height)};
}

INT_PTR CALLBACK EditorDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto *self = reinterpret_cast<EditorDialog *>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lp);
        self->Initialise();
        return FALSE;   // Initialise has set the focus
    }
    auto *self = reinterpret_cast<EditorDialog *>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        return FALSE;
    }
    return self->Dispatch(msg, wp, lp);
}

void EditorDialog::Initialise() {
    KeepDialogDpiChanges(hwnd_);
    dpi_ = loadDpi_ = tlx::WindowDpi(hwnd_);
    baseUnits_ = {0, 0, 4, 8};
    MapDialogRect(hwnd_, &baseUnits_);
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont(dpi_)), FALSE);
    TakeOwnerIcon();
    if (App().HelpMode) ScaleForHelpMode(hwnd_);
    Form_Load();
    CentreOnOwner();
    // The first control of the tab order that can take the focus.
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE))
        SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

void EditorDialog::TakeOwnerIcon() {
    HICON big = nullptr, small = nullptr;
    if (owner_) {
        big = reinterpret_cast<HICON>(SendMessageA(owner_, WM_GETICON, ICON_BIG, 0));
        small = reinterpret_cast<HICON>(SendMessageA(owner_, WM_GETICON, ICON_SMALL, 0));
        if (!big) big = reinterpret_cast<HICON>(GetClassLongPtrA(owner_, GCLP_HICON));
        if (!small) small = reinterpret_cast<HICON>(GetClassLongPtrA(owner_, GCLP_HICONSM));
    }
    // Without an owner that has one, the program's own icon.
    if (!big) big = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM));
    if (!small) small = big;
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void EditorDialog::CentreOnOwner() {
    RECT self, around;
    GetWindowRect(hwnd_, &self);
    // The work area of the owner's monitor; an owner off screen or hidden centres on it.
    const HMONITOR monitor = MonitorFromWindow(owner_ ? owner_ : hwnd_, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    const RECT work = info.rcWork;
    if (!owner_ || !IsWindowVisible(owner_) || IsIconic(owner_) || !GetWindowRect(owner_, &around)) around = work;
    const int width = self.right - self.left, height = self.bottom - self.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR EditorDialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (OnMessage(msg, wp, lp, result)) {
        // A brush for a control's colours is the dialog procedure's own answer.
        if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) return static_cast<INT_PTR>(result);
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    switch (msg) {
    case WM_COMMAND:
        if (!OnCommand(LOWORD(wp), HIWORD(wp)) && LOWORD(wp) == IDCANCEL) Cancel();
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<const NMHDR *>(lp)));
        return TRUE;
    case WM_SYSCOMMAND:
        // The title bar's close box, the system menu and Alt+F4 are the user's cancel.
        if ((wp & 0xFFF0) == SC_CLOSE) {
            Cancel();
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        // Closed for another reason (the program ends): nothing was chosen.
        EditMode = -1;
        Hide();
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(backBrush_);
    case WM_DPICHANGED:
        // Help mode keeps its own font.
        dpi_ = FollowDpiChange(hwnd_, dpi_, wp, lp, App().HelpMode ? nullptr : DialogFont(HIWORD(wp)));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const HWND control = reinterpret_cast<HWND>(lp);
        const HDC dc = reinterpret_cast<HDC>(wp);
        if (PaintsBackColor(GetDlgCtrlID(control))) {
            SetBkColor(dc, FormBackColor);
            return reinterpret_cast<INT_PTR>(backBrush_);
        }
        // A read-only text box is still a text to read: white like any text box.
        if (msg == WM_CTLCOLORSTATIC && (GetWindowLongA(control, GWL_STYLE) & ES_READONLY) && IsEditBox(control)) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

}  // namespace ptr
