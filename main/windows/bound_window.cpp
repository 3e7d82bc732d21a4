#include "bound_window.h"

namespace ptr {

BoundWindow::~BoundWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool BoundWindow::CreateBound(const ClassSpec &cls, DWORD exStyle, const char *caption, DWORD style, int x, int y,
                              int width, int height, HMENU menu) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = cls.icon;
    wc.hIconSm = cls.smallIcon;
    wc.hCursor = LoadCursorA(nullptr, cls.cursor);
    wc.hbrBackground = cls.background;
    wc.lpszClassName = cls.name;
    RegisterClassExA(&wc);   // fails harmlessly when the class exists already
    return CreateWindowExA(exStyle, cls.name, caption, style, x, y, width, height, nullptr, menu, instance, this) !=
           nullptr;
}

LRESULT CALLBACK BoundWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto *self = static_cast<BoundWindow *>(reinterpret_cast<CREATESTRUCTA *>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<BoundWindow *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    return self->OnMessage(msg, wp, lp);
}

}  // namespace ptr
