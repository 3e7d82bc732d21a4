#include "frmSplash.h"

#include <cmath>
#include <memory>

#include "basCommonFunc.h"
#include "program_version.h"
#include "resource_ids.h"
#include "splash_bars.h"
#include "ui_fonts.h"

namespace ptr {

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);

int Scaled(double pixels) { return static_cast<int>(std::lround(pixels * App().HelpModeScale)); }
// Twips of the form (15 to a pixel), enlarged in help mode.
int Tw(int twips) { return Scaled(twips / 15.0); }
// Twips of the form as designed; help mode enlarges the controls afterwards.
int Designed(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
RECT TwipsRect(int left, int top, int width, int height) {
    return {Tw(left), Tw(top), Tw(left + width), Tw(top + height)};
}

HFONT SplashFont(double points, bool bold) {
    return CreateFontA(-Scaled(points * 96 / 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, AvailableFace("ＭＳ Ｐゴシック"));
}

struct Title {
    RECT twips;   // left, top, width, height
    const char *text;
    double points;
    bool bold;
    COLORREF colour;
    UINT align;
};
// Each title twice: the light copy first, the strong one over it as the shadowed text.
const Title kTitles[] = {
    {{240, 180, 1575, 255}, "Porterica", 12, true, RGB(0xC0, 0xFF, 0xC0), DT_LEFT},     // lblSubTitle(0)
    {{210, 180, 1575, 255}, "Porterica", 12, true, RGB(0x00, 0xC0, 0x00), DT_LEFT},     // lblSubTitle(1)
    {{75, 435, 4635, 435}, "ポルテリカ", 18, false, RGB(0xC0, 0xC0, 0xFF), DT_CENTER},  // lblTitle(0)
    {{45, 420, 4635, 435}, "ポルテリカ", 18, false, RGB(0x00, 0x00, 0xFF), DT_CENTER},  // lblTitle(1)
};

std::unique_ptr<frmSplash> g_splash;

}  // namespace

frmSplash::~frmSplash() {
    if (hwnd_) DestroyWindow(hwnd_);   // before the font it uses goes
    if (textFont_) DeleteObject(textFont_);
}

bool frmSplash::Load() {
    ClassSpec cls{PTR_SPLASH_CLASS};
    cls.cursor = MAKEINTRESOURCEA(32514);   // start-up is busy
    const DWORD style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
    RECT frame{0, 0, kSplashWidth, kSplashHeight};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (!CreateBound(cls, WS_EX_TOOLWINDOW, kProductName, style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr))
        return false;
    Form_Load();
    return true;
}

LRESULT frmSplash::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: Form_Paint(); return 0;
    case WM_ERASEBKGND: return 1;   // the image covers everything
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wp), kBackground);
        SetTextColor(reinterpret_cast<HDC>(wp), RGB(0x40, 0x40, 0x40));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    default: break;
    }
    return Default(msg, wp, lp);
}

void frmSplash::Form_Load() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    textFont_ = SplashFont(9, false);
    const struct {
        int id;
        RECT twips;
        DWORD style;
    } labels[] = {
        {IDC_SPLASH_COPYRIGHT, {2520, 900, 2115, 195}, SS_RIGHT},    // lblCopyright
        {IDC_SPLASH_INFORMATION, {60, 1140, 4695, 435}, SS_CENTER},  // lblInformation
    };
    for (const auto &l : labels) {
        const HWND label = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOPREFIX | l.style,
                                           Designed(l.twips.left), Designed(l.twips.top), Designed(l.twips.right),
                                           Designed(l.twips.bottom),
                                           hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(l.id)), instance,
                                           nullptr);
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_), FALSE);
    }
    // Scaling moves the labels and sizes the window; the image is drawn at its new size.
    if (App().HelpMode) ScaleForHelpMode(hwnd_);

    const HBITMAP strip = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_SPLASH_STRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    strip_.CreateStretchBitmapFromPicture2(strip, Scaled(kStripWidth), Scaled(kStripHeight));
    if (strip) DeleteObject(strip);

    RECT client;
    GetClientRect(hwnd_, &client);
    image_.CreateBitmap(client.right, client.bottom, kBackground);
    DrawTitles();
    SetDlgItemTextA(hwnd_, IDC_SPLASH_COPYRIGHT, OwnVersion().copyright.c_str());
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void frmSplash::DrawTitles() {
    const HDC dc = image_.hDC();
    SetBkMode(dc, TRANSPARENT);
    for (const Title &t : kTitles) {
        const HFONT font = SplashFont(t.points, t.bold);
        const HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, t.colour);
        RECT r = TwipsRect(t.twips.left, t.twips.top, t.twips.right, t.twips.bottom);
        DrawTextA(dc, t.text, -1, &r, t.align | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(dc, old);
        DeleteObject(font);
    }
}

void frmSplash::DrawBars() {
    for (const StripCopy &c : BarCopies(slidePos_, App().HelpModeScale))
        if (c.width > 0) strip_.Draw(image_.hDC(), c.dstX, c.dstY, c.width, c.height, c.srcX, 0);
}

void frmSplash::Form_Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd_, &ps);
    image_.Draw(dc, 0, 0, image_.Width(), image_.Height(), 0, 0);
    EndPaint(hwnd_, &ps);
}

int32_t frmSplash::SetInformation(const std::string &Info, bool Dialog, UINT DialogType, int16_t SlideValue) {
    if (Dialog) return MessageBoxA(hwnd_, Info.c_str(), kProductName, DialogType);
    SetDlgItemTextA(hwnd_, IDC_SPLASH_INFORMATION, Info.c_str());
    DrawBars();
    slidePos_ = NextSlidePos(slidePos_, SlideValue);
    // Start-up keeps this thread busy: paint now, not when the queue gets a turn.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 1;
}

void ShowSplash() {
    AppState &app = App();
    if (!app.Settings.SplashShow) return;
    g_splash = std::make_unique<frmSplash>();
    if (!g_splash->Load()) {
        g_splash.reset();
        return;
    }
    ShowWindow(g_splash->Window(), SW_SHOWNORMAL);
    UpdateWindow(g_splash->Window());
    app.Splash = g_splash.get();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CloseSplash() {
    App().Splash = nullptr;
    g_splash.reset();
}

}  // namespace ptr
