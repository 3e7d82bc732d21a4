#include "frmMain.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app_state.h"
#include "basCommonFunc.h"
#include "basMain.h"
#include "execute_function.h"
#include "kxdll.h"
#include "menus.h"
#include "program_version.h"
#include "resource_ids.h"
#include "screen_dpi.h"
#include "ui_fonts.h"
#include "vbIniFile.h"
#include "welcome_text.h"

namespace ptr {

namespace {

constexpr UINT_PTR kTrayTimer = 1;   // tmrTiming

float Scale() { return App().HelpModeScale; }
struct ControlSpec {
    int id;
    const char *cls;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;   // twips
};

// In z-order, top first: the check boxes lie over the list title, the picture over
// the list.
const ControlSpec kControls[] = {
    {IDC_MODE0 + 0, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 120, 120 + 720 * 0, 1455, 675},
    {IDC_MODE0 + 1, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 120, 120 + 720 * 1, 1455, 675},
    {IDC_MODE0 + 2, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 120, 120 + 720 * 2, 1455, 675},
    {IDC_MODE0 + 3, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 120, 120 + 720 * 3, 1455, 675},
    {IDC_MODE0 + 4, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 120, 120 + 720 * 4, 1455, 675},
    {IDC_MODE0 + 5, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 120, 120 + 720 * 5, 1455, 675},
    {IDC_CHECK0 + 0, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 1920, 360, 4755, 255},
    {IDC_CHECK0 + 1, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 1920, 660, 4755, 255},
    {IDC_PICTURE, "STATIC", SS_BITMAP | SS_REALSIZECONTROL, 0, 1860, 420, 4755, 1815},
    {IDC_MODE_TITLE, "STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0, 1800, 120, 4755, 255},
    {IDC_LIST_TITLE, "STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, 0, 1860, 660, 4695, 255},
    {IDC_LIST_BUTTON0 + 0, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 1860, 2280, 1155, 555},
    {IDC_LIST_BUTTON0 + 1, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 3060, 2280, 1155, 555},
    {IDC_LIST_BUTTON0 + 2, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 4260, 2280, 1155, 555},
    {IDC_LIST_BUTTON0 + 3, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 5460, 2280, 1155, 555},
    {IDC_LIST_BUTTON0 + 4, "BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 5460, 2557, 1155, 292},
    {IDC_INFORMATION, "EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 1860, 2880, 4755, 915},
    {IDC_SAVE, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 4380, 3960, 1215, 495},
    {IDC_CLOSE, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 5580, 3960, 1215, 495},
};
// lstView: created after the list title, before the list buttons.
constexpr int kListAfter = IDC_LIST_TITLE;
constexpr RECT kListTwips{1860, 900, 4755, 1320};
constexpr int kListTitleTop = 660;
// The watch page's second check box stands where the list title is on the other
// pages: the title and the top of the list move down below it.
constexpr int kWatchListShift = 270;

// The frames of the form (left, top, width, height in twips).
constexpr RECT kShapeModesShadow{45, 45, 1590, 4410};    // Shape1(1)
constexpr RECT kShapeModesLight{60, 60, 1590, 4410};     // Shape1(0)
constexpr RECT kShapePanelShadow{1695, 45, 5055, 3840};  // Shape1(3)
constexpr RECT kShapePanel{1710, 60, 5055, 3840};        // Shape1(2)

constexpr int kFormWidth = 6855, kFormHeight = 4530;

const char kCaption[] = "ポルテリカ - 設定";
HFONT BoldOf(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&lf);
}

void OutlineTwips(HDC dc, const RECT &r, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

std::unique_ptr<frmMain> g_window;

}  // namespace

frmMain::~frmMain() {
    if (hwnd_) DestroyWindow(hwnd_);   // before the fonts and brushes it uses go
    for (HFONT f : {font_, boldFont_, titleFont_, listFont_, infoFont_})
        if (f) DeleteObject(f);
    for (HBRUSH b : lightBrushes_)
        if (b) DeleteObject(b);
    if (picture_) DeleteObject(picture_);
    if (trayMenu_) DestroyMenu(trayMenu_);
}

int frmMain::CurrentMode() { return ValidMode(App().Settings.Mode); }

bool frmMain::Load() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    ClassSpec cls{PTR_SETTINGS_CLASS};
    cls.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    cls.smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    cls.background = GetSysColorBrush(COLOR_BTNFACE);
    menuBar_ = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_MAIN_BAR));
    trayMenu_ = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_TRAY_POPUP));
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    if (!CreateBound(cls, 0, kCaption, style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, menuBar_)) return false;
    // Sized once it exists: its size depends on the monitor it is on.
    dpi_ = tlx::WindowDpi(hwnd_);
    const SIZE frame = tlx::FrameSize(hwnd_, Px(kFormWidth), Px(kFormHeight), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Form_Load();
    return true;
}

LRESULT frmMain::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: Form_Paint(); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        if (HBRUSH brush = Form_CtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    }
    case WM_MEASUREITEM:
        if (wp == IDC_LIST) {
            list_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT *>(lp));
            return TRUE;
        }
        break;
    case WM_DRAWITEM:
        if (wp == IDC_LIST) {
            list_.Draw(*reinterpret_cast<DRAWITEMSTRUCT *>(lp));
            return TRUE;
        }
        break;
    case kCheckListChanged: lstView_ItemCheck(static_cast<int>(wp)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_TIMER:
        if (wp == kTrayTimer) tmrTiming_Timer();
        return 0;
    case WM_ACTIVATE:
        // Keyboard focus comes back to the control that had it.
        if (LOWORD(wp) == WA_INACTIVE) {
            lastFocus_ = GetFocus();
        } else if (lastFocus_ && IsChild(hwnd_, lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_CLOSE: Form_Close(); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        if (wp) Form_EndSession();
        return 0;
    case WM_DESTROY: Form_Destroy(); return 0;
    case WM_DPICHANGED: Form_DpiChanged(HIWORD(wp), *reinterpret_cast<const RECT *>(lp)); return 0;
    default: break;
    }
    return Default(msg, wp, lp);
}

void frmMain::CreateControls() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const ControlSpec &c : kControls) {
        CreateWindowExA(c.exStyle, c.cls, "", WS_CHILD | WS_CLIPSIBLINGS | c.style, 0, 0, 0, 0, hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (c.id == kListAfter) list_.Create(hwnd_, IDC_LIST);
    }
    PlaceControls(1.0f);
    SetWindowTextA(Control(IDC_SAVE), "設定の保存");
    SetWindowTextA(Control(IDC_CLOSE), "閉じる");
    for (int id : {IDC_SAVE, IDC_CLOSE}) ShowControl(id, true);
    for (int i = 0; i < kModeCount; ++i) {
        SetWindowTextA(Control(IDC_MODE0 + i), ModeButtonCaption(i).c_str());
        ShowControl(IDC_MODE0 + i, true);
    }
    for (int id : {IDC_MODE_TITLE, IDC_LIST_TITLE}) ShowControl(id, true);

    tips_.Create(hwnd_);
    for (int i = 0; i < kModeCount; ++i) tips_.Set(Control(IDC_MODE0 + i), ModeButtonTip(i));
    tips_.Set(Control(IDC_SAVE), "現在の設定を保存します。 通常、設定情報は終了時に保存されます。");
    tips_.Set(Control(IDC_CLOSE), "この画面を閉じます。");
    for (int i = 0; i < kModeCount; ++i) lightBrushes_[i] = CreateSolidBrush(ModeColour(i).light);
    picture_ = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_INFORMATION), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

RECT frmMain::TwipsRect(int left, int top, int width, int height, float scale) const {
    return {Px(left * scale), Px(top * scale), Px((left + width) * scale), Px((top + height) * scale)};
}

void frmMain::PlaceControls(float scale) {
    const auto place = [&](HWND control, const RECT &r) {
        SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (const ControlSpec &c : kControls) place(Control(c.id), TwipsRect(c.left, c.top, c.width, c.height, scale));
    place(list_.Handle(), TwipsRect(kListTwips.left, kListTwips.top, kListTwips.right, kListTwips.bottom, scale));
}

void frmMain::CreateFonts() {
    for (HFONT f : {font_, titleFont_, listFont_, infoFont_})
        if (f) DeleteObject(f);
    font_ = CreateUiFont("ＭＳ Ｐゴシック", 9, false, dpi_);
    titleFont_ = CreateUiFont("ＭＳ Ｐゴシック", 9, true, dpi_);
    listFont_ = CreateUiFont("ＭＳ ゴシック", 9, false, dpi_);
    infoFont_ = CreateUiFont("ＭＳ ゴシック", 8.25, false, dpi_);
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageA(Control(IDC_MODE_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    SendMessageA(list_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
    SendMessageA(Control(IDC_INFORMATION), WM_SETFONT, reinterpret_cast<WPARAM>(infoFont_), FALSE);
}

void frmMain::Form_Load() {
    for (int mode = 0; mode < kModeCount; ++mode) pages_[mode] = MakeListPage(mode, *this);
    CreateControls();
    CreateFonts();
    AppState &app = App();
    if (app.HelpMode) ScaleForHelpMode(hwnd_);
    TakeButtonFonts();
    list_.FitRowHeight();

    // Centred on the work area, ready for the first Show2.
    RECT work, window;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - (window.right - window.left)) / 2,
                 work.top + (work.bottom - work.top - (window.bottom - window.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    listReady_ = true;
    ViewControlText();
    SetWatchMenuCheck(app.Settings.ClipboardWatch);
    trayClickPending_ = -1;
    quitNoSave_ = false;
    app.SettingsWindow = this;

    if (app.Settings.Welcome || GetFileAttributesA(app.SettingFile().c_str()) == INVALID_FILE_ATTRIBUTES) {
        TrayIconControl(6, "", 1);
        TrayIconControl(KX_TRAY_BALLOON_ICON, "", NIIF_INFO);
        TrayIconControl(KX_TRAY_BALLOON_WANTED, "", 1);
        TrayIconControl(KX_TRAY_BALLOON_TITLE, "ようこそ！");
        TrayIconControl(KX_TRAY_BALLOON_TEXT, WelcomeText(ReadHotkeyEntries(vbIniFile(app.SettingFile()))));
    }
    TrayIconControl(KX_TRAY_ICON, "", reinterpret_cast<INT_PTR>(GetModuleHandleA(nullptr)), IDI_PROGRAM);
    TrayIconControl(KX_TRAY_TIP, kProductName);
    TrayIconControl(KX_TRAY_ADD);
}

void frmMain::TakeButtonFonts() {
    // The selected mode button is the same font in bold, whatever help mode made of it.
    buttonFont_ = reinterpret_cast<HFONT>(SendMessageA(Control(IDC_MODE0), WM_GETFONT, 0, 0));
    if (boldFont_) DeleteObject(boldFont_);
    boldFont_ = BoldOf(buttonFont_);
}

void frmMain::Form_DpiChanged(int dpi, const RECT &suggested) {
    dpi_ = dpi;
    // Help mode keeps its own font; otherwise every font is made again at the new size.
    if (!App().HelpMode) {
        CreateFonts();
        TakeButtonFonts();
        SetModeButtonFonts(CurrentMode());
    }
    list_.FitRowHeight();
    PlaceControls(Scale());
    tlx::TakeSuggestedRect(hwnd_, suggested);
    // The page's own places and the frame round its button, as the page is.
    PlaceListButtons(CurrentMode());
    PlaceList(CurrentMode());
    MoveActivateFrame(CurrentMode());
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void frmMain::ViewControlText() {
    SetWindowTextA(hwnd_, kCaption);
    for (int i = 0; i < kModeCount; ++i)
        ModifyMenuA(menuBar_, IDC_VIEW_MODE0 + i, MF_BYCOMMAND | MF_STRING, IDC_VIEW_MODE0 + i,
                    OneLineCaption(ModeButtonCaption(i)).c_str());
    ActivatMode(CurrentMode());
}

void frmMain::ActivatMode(int ModeNo) {
    if (inActivate_) return;
    inActivate_ = true;
    const int mode = ValidMode(ModeNo);
    App().Settings.Mode = static_cast<int16_t>(mode);

    MoveActivateFrame(mode);
    SetModeButtonFonts(mode);
    for (int i = 0; i < kModeCount; ++i)
        CheckMenuItem(menuBar_, IDC_VIEW_MODE0 + i, MF_BYCOMMAND | (i == mode ? MF_CHECKED : MF_UNCHECKED));
    ResetPanel();
    ApplyModeTexts(mode);
    SetWindowTextA(Control(IDC_MODE_TITLE), ModeTitle(mode).c_str());
    PlaceListButtons(mode);
    PlaceList(mode);
    BuildPage(mode);
    // The frame, the panel and the labels take the page's colours.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    inActivate_ = false;
}

void frmMain::SetModeButtonFonts(int mode) {
    for (int i = 0; i < kModeCount; ++i)
        SendMessageA(Control(IDC_MODE0 + i), WM_SETFONT, reinterpret_cast<WPARAM>(i == mode ? boldFont_ : buttonFont_),
                     TRUE);
}

void frmMain::MoveActivateFrame(int mode) {
    RECT button;
    GetWindowRect(Control(IDC_MODE0 + mode), &button);
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT *>(&button), 2);
    const int margin = Px(30);
    activateFrame_ = {button.left - margin, button.top - margin, button.right + margin, button.bottom + margin};
}

void frmMain::ResetPanel() {
    for (int id : {IDC_CHECK0, IDC_CHECK0 + 1, IDC_LIST, IDC_INFORMATION, IDC_PICTURE}) ShowControl(id, false);
    for (int i = 0; i < kListButtonCount; ++i) {
        ShowControl(IDC_LIST_BUTTON0 + i, false);
        EnableWindow(Control(IDC_LIST_BUTTON0 + i), TRUE);
    }
    SendMessageA(Control(IDC_PICTURE), STM_SETIMAGE, IMAGE_BITMAP, 0);
    list_.Clear();
    SetWindowTextA(Control(IDC_INFORMATION), "");
}

void frmMain::ApplyModeTexts(int mode) {
    const ModeTextTable &texts = ModeTexts();
    for (int i = 0; i < kListButtonCount; ++i) {
        SetWindowTextA(Control(IDC_LIST_BUTTON0 + i), ApplyLineBreaks(texts.ButtonCaption(i, mode)).c_str());
        tips_.Set(Control(IDC_LIST_BUTTON0 + i), texts.ButtonTip(i, mode));
    }
    for (int i = 0; i < kCheckBoxCount; ++i) {
        SetWindowTextA(Control(IDC_CHECK0 + i), texts.CheckCaption(i, mode).c_str());
        tips_.Set(Control(IDC_CHECK0 + i), texts.CheckTip(i, mode));
    }
    SetWindowTextA(Control(IDC_LIST_TITLE), texts.ListTitle(mode).c_str());
}

void frmMain::MoveVertically(HWND control, int top, int height) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT *>(&r), 2);
    SetWindowPos(control, nullptr, r.left, top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::PlaceListButtons(int mode) {
    const auto place = [&](int index, int top, int height) { MoveVertically(Control(IDC_LIST_BUTTON0 + index), top, height); };
    if (mode == kModeWatch) {
        place(3, Px(2280 * Scale()), Px(292 * Scale()));
        place(4, Px(2557 * Scale()), Px(292 * Scale()));
    } else {
        RECT first;
        GetWindowRect(Control(IDC_LIST_BUTTON0), &first);
        MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT *>(&first), 2);
        place(3, first.top, first.bottom - first.top);
    }
}

void frmMain::PlaceList(int mode) {
    const int shift = mode == kModeWatch ? kWatchListShift : 0;
    const auto place = [&](HWND control, int top, int height) {
        MoveVertically(control, Px(top * Scale()), Px(height * Scale()));
    };
    place(Control(IDC_LIST_TITLE), kListTitleTop + shift, 255);
    place(list_.Handle(), kListTwips.top + shift, kListTwips.bottom - shift);
}

void frmMain::SetCheckBox(int index, bool on) {
    SendMessageA(Control(IDC_CHECK0 + index), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowControl(IDC_CHECK0 + index, true);
}

void frmMain::FillList() {
    for (const ListRow &row : Page().Rows()) list_.Add(row.text, row.checked);
    ShowControl(IDC_LIST, true);
    ShowControl(IDC_INFORMATION, true);
}

void frmMain::SelectFirstRow() {
    if (list_.Count() == 0) return;
    list_.Select(0);
    lstView_Click();
}

void frmMain::SetStartupButtons() {
    const ModeTextTable &texts = ModeTexts();
    const int registration = SetStartup(true, false) ? 1 : 0;   // registered: offer removal
    SetWindowTextA(Control(IDC_LIST_BUTTON0),
                   ApplyLineBreaks(texts.ButtonCaption(registration, kModeBasic)).c_str());
    tips_.Set(Control(IDC_LIST_BUTTON0), texts.ButtonTip(registration, kModeBasic));
    SetWindowTextA(Control(IDC_LIST_BUTTON0 + 1), ApplyLineBreaks(texts.ButtonCaption(2, kModeBasic)).c_str());
    tips_.Set(Control(IDC_LIST_BUTTON0 + 1), texts.ButtonTip(2, kModeBasic));
}

void frmMain::BuildPage(int mode) {
    AppState &app = App();
    int buttons = 0;
    switch (mode) {
    case kModeBasic:
        SetCheckBox(0, app.Settings.SplashShow);
        SetCheckBox(1, app.Settings.EndingCheck);
        SetStartupButtons();
        buttons = 2;
        break;
    case kModeWatch:
        SetCheckBox(0, app.Settings.ClipboardWatch);
        SetCheckBox(1, app.Settings.IgnorePrivate);
        FillList();
        buttons = 5;
        break;
    case kModeHotkey:
        FillList();
        buttons = 3;
        break;
    case kModeMenu:
        SetCheckBox(0, app.Settings.DefaultMenu);
        FillList();
        buttons = 4;
        break;
    case kModePlugin:
        FillList();
        buttons = 4;
        break;
    case kModeInformation: {
        const ProgramVersion &v = OwnVersion();
        SendMessageA(Control(IDC_PICTURE), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
        ShowControl(IDC_PICTURE, true);
        SetWindowTextA(Control(IDC_INFORMATION), VersionText(v.major, v.minor, v.revision, app.Plugins).c_str());
        ShowControl(IDC_INFORMATION, true);
        buttons = 4;
        break;
    }
    default: break;
    }
    for (int i = 0; i < buttons; ++i) ShowControl(IDC_LIST_BUTTON0 + i, true);
    SelectFirstRow();
}

void frmMain::Form_Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd_, &ps);
    const ModeColours colours = ModeColour(CurrentMode());
    const auto shape = [&](const RECT &twips) {
        return TwipsRect(twips.left, twips.top, twips.right, twips.bottom, Scale());
    };
    OutlineTwips(dc, shape(kShapeModesShadow), GetSysColor(COLOR_BTNSHADOW));
    OutlineTwips(dc, shape(kShapeModesLight), GetSysColor(COLOR_BTNHIGHLIGHT));
    OutlineTwips(dc, shape(kShapePanelShadow), GetSysColor(COLOR_BTNSHADOW));
    const RECT panel = shape(kShapePanel);
    FillRect(dc, &panel, lightBrushes_[CurrentMode()]);
    OutlineTwips(dc, panel, GetSysColor(COLOR_BTNHIGHLIGHT));
    const HBRUSH strong = CreateSolidBrush(colours.strong);
    FillRect(dc, &activateFrame_, strong);
    DeleteObject(strong);
    EndPaint(hwnd_, &ps);
}

HBRUSH frmMain::Form_CtlColor(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    const int mode = CurrentMode();
    const bool light = id == IDC_MODE_TITLE || id == IDC_LIST_TITLE || id == IDC_CHECK0 ||
                       (id == IDC_CHECK0 + 1 && (mode == kModeBasic || mode == kModeWatch));
    if (light) {
        SetBkColor(dc, ModeColour(mode).light);
        return lightBrushes_[mode];
    }
    if (id == IDC_INFORMATION) {   // read-only, but a text to read: white like any text box
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    return nullptr;
}

void frmMain::OnCommand(int id, int code) {
    if (id >= IDC_MODE0 && id < IDC_MODE0 + kModeCount) {
        if (code == BN_CLICKED) cmdMode_Click(id - IDC_MODE0);
    } else if (id >= IDC_VIEW_MODE0 && id < IDC_VIEW_MODE0 + kModeCount) {
        mnuSetting_Select_Click(id - IDC_VIEW_MODE0);
    } else if (id == IDC_CHECK0 || id == IDC_CHECK0 + 1) {
        if (code == BN_CLICKED) chkSwitch_Click(id - IDC_CHECK0);
    } else if (id >= IDC_LIST_BUTTON0 && id < IDC_LIST_BUTTON0 + kListButtonCount) {
        if (code == BN_CLICKED) cmdList_Click(id - IDC_LIST_BUTTON0);
    } else if (id == IDC_LIST) {
        if (code == LBN_SELCHANGE) lstView_Click();
        if (code == LBN_DBLCLK) lstView_DblClick();
    } else {
        switch (id) {
        case IDC_SAVE: cmdSave_Click(); break;
        case IDC_CLOSE: cmdClose_Click(); break;
        case IDC_VIEW_CLOSE: cmdClose_Click(); break;
        case IDC_FILE_QUIT: mnuFile_Quit_Click(0); break;
        case IDC_FILE_QUIT_NOSAVE: mnuFile_Quit_Click(1); break;
        case IDC_POPUP_SETTING: mnuPopup_Setting_Click(); break;
        case IDC_POPUP_WATCH: mnuPopup_Watch_Click(); break;
        case IDC_POPUP_QUIT: mnuFile_Quit_Click(0); break;
        default: break;
        }
    }
}

void frmMain::chkSwitch_Click(int index) {
    if (inActivate_) return;
    AppState &app = App();
    const bool on = SendMessageA(Control(IDC_CHECK0 + index), BM_GETCHECK, 0, 0) == BST_CHECKED;
    switch (CurrentMode() * 2 + index) {
    case kModeBasic * 2: app.Settings.SplashShow = on; break;
    case kModeBasic * 2 + 1: app.Settings.EndingCheck = on; break;
    case kModeWatch * 2: SetClipboardWatch(on); break;
    case kModeWatch * 2 + 1: app.Settings.IgnorePrivate = on; break;
    case kModeMenu * 2: app.Settings.DefaultMenu = on; break;
    default: break;
    }
}

void frmMain::lstView_Click() {
    if (!listReady_ || list_.Selected() < 0) return;
    Page().lstView_Click(list_.Selected());
}

void frmMain::lstView_DblClick() {
    if (list_.Selected() >= 0) Page().lstView_DblClick();
}

void frmMain::lstView_ItemCheck(int item) {
    if (!listReady_ || inActivate_ || list_.Selected() < 0) return;
    Page().lstView_ItemCheck(item);
}

void frmMain::cmdSave_Click() { SaveAllSettings(); }

void frmMain::mnuFile_Quit_Click(int index) {
    quitNoSave_ = index == 1;
    QuitProgram(true, quitNoSave_);
}

void frmMain::mnuPopup_Watch_Click() {
    const bool checked = (GetMenuState(trayMenu_, IDC_POPUP_WATCH, MF_BYCOMMAND) & MF_CHECKED) != 0;
    SetClipboardWatch(!checked);
}

void frmMain::SetWatchMenuCheck(bool on) {
    CheckMenuItem(trayMenu_, IDC_POPUP_WATCH, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

bool frmMain::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void frmMain::BringToFront() {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ActivateWindow(hwnd_);
}

void frmMain::ShowPage(int mode) {
    ActivatMode(mode);
    Show2();
}

void frmMain::Show2() {
    ActivatMode(CurrentMode());
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    ActivateWindow(hwnd_);
}

void frmMain::Close() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void frmMain::NotifyIcon_MouseUp(int Button) {
    if (IsVisible()) {
        BringToFront();
        return;
    }
    if (Button == KX_BUTTON_LEFT) {
        trayClickPending_ = 1;
        SetTimer(hwnd_, kTrayTimer, GetDoubleClickTime(), nullptr);
    } else if (Button == KX_BUTTON_RIGHT) {
        ActivateWindow(hwnd_);   // so that the menu closes on a click elsewhere
        ShowTrayPopup();
    }
}

void frmMain::NotifyIcon_DblClick(int) {
    if (IsVisible()) return;
    trayClickPending_ = -1;
    KillTimer(hwnd_, kTrayTimer);
    Show2();
    SetFocus(Control(IDC_MODE0 + CurrentMode()));
}

void frmMain::ShowTrayPopup() {
    POINT at;
    GetCursorPos(&at);
    const int id = TrackPopupMenu(GetSubMenu(trayMenu_, 0), TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0,
                                  hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    if (id) OnCommand(id, 0);
}

void frmMain::tmrTiming_Timer() {
    KillTimer(hwnd_, kTrayTimer);
    if (!IsVisible() && trayClickPending_ == 1)   // an owner in front, so the menu takes keys
        RunAsHostEvent([] { RunMenu(App().Settings.TaskMenu); });
    trayClickPending_ = -1;
}

void frmMain::Form_Close() { ShowWindow(hwnd_, SW_HIDE); }

void frmMain::Form_EndSession() {
    // Windows is ending: save without asking, then let the window go.
    QuitProgram(false, false);
}

void frmMain::Form_Destroy() {
    KillTimer(hwnd_, kTrayTimer);
    if (App().SettingsWindow == this) App().SettingsWindow = nullptr;
    PostQuitMessage(0);
}

void LoadSettingsWindow() {
    g_window = std::make_unique<frmMain>();
    if (!g_window->Load()) g_window.reset();
}

frmMain *SettingsMainWindow() { return g_window && g_window->Window() ? g_window.get() : nullptr; }

bool IsSettingsWindowMessage(MSG &msg) {
    const frmMain *window = SettingsMainWindow();
    return window && window->IsVisible() && IsDialogMessageA(window->Window(), &msg);
}

}  // namespace ptr
