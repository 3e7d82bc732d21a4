#include "queue_indicator.h"

#include "dpi_scale.h"
#include "module_folder.h"
#include "screen_dpi.h"

namespace tlxhistory {

namespace {

constexpr wchar_t kClassName[] = L"tlxHistoryQueue";
constexpr UINT_PTR kNoticeTimer = 1;
constexpr UINT kNoticeMs = 2500;
// In pixels at 96 dpi.
constexpr int kWidth = 300;
constexpr int kPadding = 8;
constexpr int kLineGap = 3;
constexpr int kEdgeGap = 12;   // from the edges of the work area

const wchar_t *Wide(const std::u16string &text) { return reinterpret_cast<const wchar_t *>(text.c_str()); }

int LineHeight(HDC dc, HFONT font) {
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    return metrics.tmHeight;
}

}  // namespace

int QueueIndicator::Scaled(int pixels) const { return tlx::Rescale(pixels, dpi_, tlx::kDesignDpi); }

bool QueueIndicator::Create() {
    if (window_) return true;
    const HINSTANCE module = tlx::OwnModule();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &QueueIndicator::WindowProc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);   // fails harmlessly when already registered
    window_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"連続貼り付け",
                              WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, module, this);
    return window_ != nullptr;
}

void QueueIndicator::Show(const QueueCaption &caption) {
    if (!Create()) return;
    KillTimer(window_, kNoticeTimer);
    caption_ = caption;
    Place();
    InvalidateRect(window_, nullptr, TRUE);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void QueueIndicator::ShowNotice() {
    Show({kQueueEndedNotice, u""});
    if (window_) SetTimer(window_, kNoticeTimer, kNoticeMs, nullptr);
}

void QueueIndicator::Hide() {
    if (!window_) return;
    KillTimer(window_, kNoticeTimer);
    ShowWindow(window_, SW_HIDE);
}

void QueueIndicator::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    UnregisterClassW(kClassName, tlx::OwnModule());
    for (HFONT *font : {&font_, &titleFont_}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
}

void QueueIndicator::UseDpi(int dpi) {
    if (dpi == dpi_ && font_) return;
    dpi_ = dpi;
    LOGFONTW face = tlx::MessageFontAt(dpi);
    if (font_) DeleteObject(font_);
    font_ = CreateFontIndirectW(&face);
    face.lfWeight = FW_BOLD;
    if (titleFont_) DeleteObject(titleFont_);
    titleFont_ = CreateFontIndirectW(&face);
}

void QueueIndicator::Place() {
    placing_ = true;
    const HWND front = GetForegroundWindow();
    const HMONITOR monitor = MonitorFromWindow(front, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT work = info.rcWork;
    // On that monitor first: a window takes the resolution of the monitor it is on.
    if (MonitorFromWindow(window_, MONITOR_DEFAULTTONULL) != monitor || !font_)
        SetWindowPos(window_, HWND_TOPMOST, work.left, work.top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOREDRAW);
    UseDpi(tlx::WindowDpi(window_));
    const HDC dc = GetDC(window_);
    const int height = 2 * Scaled(kPadding) + LineHeight(dc, titleFont_) + Scaled(kLineGap) +
                       LineHeight(dc, font_) + 2 * tlx::SystemMetricAt(SM_CYBORDER, dpi_);
    ReleaseDC(window_, dc);
    const int width = Scaled(kWidth);
    const int gap = Scaled(kEdgeGap);
    RECT box{work.right - gap - width, work.bottom - gap - height, work.right - gap, work.bottom - gap};
    // Out of the way of where the user types: above, when the caret is down there.
    RECT overlap, caret;
    if (tlx::CaretOnScreen(front, &caret) && IntersectRect(&overlap, &box, &caret))
        OffsetRect(&box, 0, work.top + gap - box.top);
    SetWindowPos(window_, HWND_TOPMOST, box.left, box.top, width, height, SWP_NOACTIVATE);
    placing_ = false;
}

void QueueIndicator::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    const int padding = Scaled(kPadding);
    RECT line{client.left + padding, client.top + padding, client.right - padding, client.bottom - padding};
    const UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    HGDIOBJ old = SelectObject(dc, titleFont_);
    line.bottom = line.top + LineHeight(dc, titleFont_);
    DrawTextW(dc, Wide(caption_.title), -1, &line, flags);
    SelectObject(dc, font_);
    line.top = line.bottom + Scaled(kLineGap);
    line.bottom = client.bottom - padding;
    DrawTextW(dc, Wide(caption_.next), -1, &line, flags);
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

LRESULT CALLBACK QueueIndicator::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW *>(lp)->lpCreateParams));
    auto *self = reinterpret_cast<QueueIndicator *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_PAINT:
        if (self) {
            self->Paint();
            return 0;
        }
        break;
    case WM_TIMER:
        if (self && wp == kNoticeTimer) self->Hide();
        return 0;
    case WM_DPICHANGED:
        // Laid out again where it belongs rather than where Windows suggests.
        if (self && !self->placing_) self->Place();
        return 0;
    }
    return DefWindowProcW(window, message, wp, lp);
}

}  // namespace tlxhistory
