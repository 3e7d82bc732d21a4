// The small window that shows 連続貼り付け is on: how many items are left and the start
// of the next. It never takes the focus (the paste goes where the user works), stays on
// top, and sits in a corner of the work area of the monitor the window in front is on,
// away from that window's caret, laid out at that monitor's resolution.
#pragma once
#include <windows.h>

#include "queue_caption.h"

namespace tlxhistory {

class QueueIndicator {
public:
    QueueIndicator() = default;
    QueueIndicator(const QueueIndicator &) = delete;
    QueueIndicator &operator=(const QueueIndicator &) = delete;
    ~QueueIndicator() { Destroy(); }

    void Show(const QueueCaption &caption);
    // The notice that the mode has ended, for a moment; then the window goes.
    void ShowNotice();
    void Hide();
    void Destroy();
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    bool Create();
    void Place();
    void UseDpi(int dpi);
    // A length of the layout, designed at 96 dpi, at the window's resolution.
    int Scaled(int pixels) const;
    void Paint();

    HWND window_ = nullptr;
    QueueCaption caption_;
    int dpi_ = 0;
    HFONT font_ = nullptr;
    HFONT titleFont_ = nullptr;
    bool placing_ = false;
};

}  // namespace tlxhistory
