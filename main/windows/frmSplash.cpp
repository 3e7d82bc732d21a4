#include "frmSplash.h"

#include <cmath>
#include <memory>

#include "basCommonFunc.h"
#include "program_version.h"
#include "resource_ids.h"
#include "splash_bars.h"
#include "screen_dpi.h"
#include "ui_fonts.h"

namespace ptr {

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);

HFONT SplashFont(double points, bool bold, double factor) {
    return CreateFontA(-static_cast<int>(std::lround(points * 96 / 72 * factor)), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, AvailableFace("ＭＳ Ｐゴシック"));
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
    if (!CreateBound(cls, WS_EX_TOOLWINDOW, kProductName, style, 0, 0, 0, 0, nullptr)) return false;
    // Sized once it exists: its size depends on the monitor it is on.
    dpi_ = tlx::WindowDpi(hwnd_);
    const SIZE frame = tlx::FrameSize(hwnd_, tlx::Rescale(kSplashWidth, dpi_, tlx::kDesignDpi),
                                      tlx::Rescale(kSplashHeight, dpi_, tlx::kDesignDpi), dpi_);
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - frame.cx) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - frame.cy) / 2, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    Form_Load();
    return true;
}

double frmSplash::Factor() const { return App().HelpModeScale * dpi_ / static_cast<double>(tlx::kDesignDpi); }

int frmSplash::Scaled(double pixels) const { return static_cast<int>(std::lround(pixels * Factor())); }

LRESULT frmSplash::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: Form_Paint(); return 0;
    case WM_ERASEBKGND: return 1;   // the image covers everything
    case WM_DPICHANGED: Form_DpiChanged(HIWORD(wp), *reinterpret_cast<const RECT *>(lp)); return 0;
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
    textFont_ = SplashFont(9, false, Factor());
    // Twips of the form (15 to a pixel) at the monitor's resolution; help mode enlarges
    // the labels afterwards.
    const auto designed = [&](int twips) {
        return tlx::Rescale(static_cast<int>(std::lround(twips / 15.0)), dpi_, tlx::kDesignDpi);
    };
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
                                           designed(l.twips.left), designed(l.twips.top), designed(l.twips.right),
                                           designed(l.twips.bottom),
                                           hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(l.id)), instance,
                                           nullptr);
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_), FALSE);
    }
    // Scaling moves the labels and sizes the window; the image is drawn at its new size.
    if (App().HelpMode) ScaleForHelpMode(hwnd_);
    DrawImage();
    SetDlgItemTextA(hwnd_, IDC_SPLASH_COPYRIGHT, OwnVersion().copyright.c_str());
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void frmSplash::DrawImage() {
    const HBITMAP strip = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH_STRIP),
                                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    strip_.CreateStretchBitmapFromPicture2(strip, Scaled(kStripWidth), Scaled(kStripHeight));
    if (strip) DeleteObject(strip);

    RECT client;
    GetClientRect(hwnd_, &client);
    image_.CreateBitmap(client.right, client.bottom, kBackground);
    DrawTitles();
}

void frmSplash::Form_DpiChanged(int dpi, const RECT &suggested) {
    const int from = dpi_;
    dpi_ = dpi;
    // Help mode keeps its own font on the labels.
    const HFONT old = textFont_;
    textFont_ = SplashFont(9, false, Factor());
    ScaleControls(hwnd_, static_cast<double>(dpi) / from, App().HelpMode ? nullptr : textFont_);
    if (old) DeleteObject(old);
    tlx::TakeSuggestedRect(hwnd_, suggested);
    DrawImage();
    if (barsPos_ >= 0) DrawBars(barsPos_);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void frmSplash::DrawTitles() {
    const HDC dc = image_.hDC();
    SetBkMode(dc, TRANSPARENT);
    for (const Title &t : kTitles) {
        const HFONT font = SplashFont(t.points, t.bold, Factor());
        const HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, t.colour);
        RECT r = {Tw(t.twips.left), Tw(t.twips.top), Tw(t.twips.left + t.twips.right),
                  Tw(t.twips.top + t.twips.bottom)};
        DrawTextA(dc, t.text, -1, &r, t.align | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(dc, old);
        DeleteObject(font);
    }
}

void frmSplash::DrawBars(int pos) {
    barsPos_ = pos;
    for (const StripCopy &c : BarCopies(pos, static_cast<float>(Factor())))
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
    DrawBars(slidePos_);
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
