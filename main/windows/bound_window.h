// A top-level window bound to the object that handles its messages: the object is kept
// in the window's GWLP_USERDATA, and every message goes to its OnMessage.
#pragma once
#include <windows.h>

namespace ptr {

class BoundWindow {
public:
    HWND Window() const { return hwnd_; }

protected:
    BoundWindow() = default;
    virtual ~BoundWindow();
    BoundWindow(const BoundWindow &) = delete;
    BoundWindow &operator=(const BoundWindow &) = delete;

    struct ClassSpec {
        const char *name;
        HICON icon = nullptr, smallIcon = nullptr;
        const char *cursor = MAKEINTRESOURCEA(32512);   // the arrow
        HBRUSH background = nullptr;
    };
    // Registers the class (once per process) and creates the window, hidden, with
    // this object bound to it; false when the window could not be made.
    bool CreateBound(const ClassSpec &cls, DWORD exStyle, const char *caption, DWORD style, int x, int y, int width,
                     int height, HMENU menu);
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

    HWND hwnd_ = nullptr;   // null again once the window is gone

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace ptr
