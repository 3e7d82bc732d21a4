// A text offered on the clipboard by delayed rendering: the system asks this process for
// the text only when a program pastes it, so the offer learns that it was taken without
// watching any key, and when the program that took it has closed the clipboard again.
// Requests made on this thread (the program's own watch and history, which run here)
// are answered but do not count as taken.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "private_copy.h"

namespace tlx {

class ClipboardOffer {
public:
    struct Events {
        std::function<void()> taken;      // another program asked for the text
        // That program has closed the clipboard again; called with the clipboard open
        // (emptied by nothing), to write what comes next.
        std::function<void()> released;
        std::function<void()> lost;       // another program put something else there
    };

    ClipboardOffer();
    ~ClipboardOffer();
    ClipboardOffer(const ClipboardOffer &) = delete;
    ClipboardOffer &operator=(const ClipboardOffer &) = delete;

    // With the clipboard open through Open(): empties it and offers `text` as Unicode text
    // (the system makes the other text forms from it on request), with `marks` set at once.
    bool Offer(std::u16string text, const std::vector<MarkBlock> &marks, Events events);
    // Opens the clipboard with the offer's window as owner, as Offer needs; retried briefly.
    bool Open();
    bool Offered() const { return offered_; }
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Render(bool toAll);
    void CheckReleased();

    HWND window_ = nullptr;
    std::u16string text_;
    Events events_;
    bool offered_ = false;
    bool waitingForRelease_ = false;
    int releaseChecks_ = 0;
};

}  // namespace tlx
