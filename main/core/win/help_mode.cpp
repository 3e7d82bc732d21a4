// Help mode: every window of the program enlarged, with a plain fixed-pitch font.
#include "app_state.h"
#include "basCommonFunc.h"
#include "text_util.h"

namespace ptr {

namespace {

int Scaled(LONG value, double factor) { return static_cast<int>(value * factor + 0.5); }

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

struct Scaling {
    HWND top;
    double factor;
    HFONT font;
};

// Controls of the window and of the dialogs inside it (pages); the inner parts of a
// control (the edit box of a combo box and the like) follow their control themselves.
BOOL CALLBACK ScaleControl(HWND control, LPARAM param) {
    const Scaling &scaling = *reinterpret_cast<const Scaling *>(param);
    const HWND parent = GetParent(control);
    if (parent != scaling.top && !IsDialog(parent)) return TRUE;
    RECT r;
    if (GetWindowRect(control, &r)) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT *>(&r), 2);
        const double f = scaling.factor;
        SetWindowPos(control, nullptr, Scaled(r.left, f), Scaled(r.top, f), Scaled(r.right - r.left, f),
                     Scaled(r.bottom - r.top, f), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (scaling.font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(scaling.font), TRUE);
    return TRUE;
}

}  // namespace

void ScaleControls(HWND window, double factor, HFONT font) {
    Scaling scaling{window, factor, font};
    EnumChildWindows(window, ScaleControl, reinterpret_cast<LPARAM>(&scaling));
}

void ScaleForHelpMode(HWND window) {
    const double factor = App().HelpModeScale;
    RECT r;
    if (GetWindowRect(window, &r))
        SetWindowPos(window, nullptr, 0, 0, Scaled(r.right - r.left, factor), Scaled(r.bottom - r.top, factor),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleControls(window, factor, HelpFont());
}

}  // namespace ptr
