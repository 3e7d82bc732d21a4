// Help mode: every window of the program enlarged, with a plain fixed-pitch font.
#include "app_state.h"
#include "basCommonFunc.h"
#include "text_util.h"

namespace ptr {

namespace {

int Scaled(LONG value) { return static_cast<int>(value * App().HelpModeScale + 0.5f); }

HFONT HelpFont() {
    static const HFONT font = CreateFontA(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                          FIXED_PITCH | FF_MODERN, "Fixedsys");
    return font;
}

bool IsDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return TrimAtNull(className, sizeof className) == "#32770";
}

// Controls of the window and of the dialogs inside it (pages); the inner parts of a
// control (the edit box of a combo box and the like) follow their control themselves.
BOOL CALLBACK ScaleControl(HWND control, LPARAM param) {
    const HWND top = reinterpret_cast<HWND>(param);
    const HWND parent = GetParent(control);
    if (parent != top && !IsDialog(parent)) return TRUE;
    RECT r;
    if (GetWindowRect(control, &r)) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT *>(&r), 2);
        SetWindowPos(control, nullptr, Scaled(r.left), Scaled(r.top), Scaled(r.right - r.left),
                     Scaled(r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(HelpFont()), TRUE);
    return TRUE;
}

}  // namespace

void ScaleForHelpMode(HWND window) {
    RECT r;
    if (GetWindowRect(window, &r))
        SetWindowPos(window, nullptr, 0, 0, Scaled(r.right - r.left), Scaled(r.bottom - r.top),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EnumChildWindows(window, ScaleControl, reinterpret_cast<LPARAM>(window));
}

}  // namespace ptr
