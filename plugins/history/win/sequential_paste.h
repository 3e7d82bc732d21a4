// 連続貼り付け: while the mode is on, every copy that is not private joins a queue, and
// each paste in any program takes the head. The head is offered on the clipboard as text
// rendered on request: the request for it is the paste, so the plug-in knows the head was
// taken without watching the keyboard, and puts the next item there once the pasting
// program has closed the clipboard. An offered item carries the program's queue mark
// (the watch and the history leave it alone) and the system's marks that keep its
// clipboard history and cloud clipboard from asking for it.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "paste_queue.h"
#include "queue_indicator.h"

namespace tlxhistory {

class SequentialPaste {
public:
    bool IsOn() const { return on_; }
    // Function 4: on with an empty queue, or off.
    void Toggle();
    // On, with these items queued after those already there.
    void Start(const std::vector<std::u16string> &items);
    // Off: where an item of the queue is on the clipboard, the last item pasted goes back
    // there as an ordinary copy (the newest one when none was pasted).
    void Stop();
    // Function 5: the head pasted into the window that was in front, once the keys of the
    // hotkey are up.
    void PasteNext(HWND front);
    // The plug-in quits: off, and its windows go.
    void Quit();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    bool TurnOn();
    void End(bool notice);
    void JoinCopy();
    void OnRender(UINT format);
    void OnRenderAll();
    void Advance();
    bool Offer();
    bool PromiseHead();
    void ShowState();
    // What the clipboard holds when the mode goes: the last item pasted, else the newest.
    const std::u16string *ItemLeftBehind() const { return lastPasted_ ? &*lastPasted_ : queue_.Newest(); }
    // Runs `then` once no modifier key is held (a key sent meanwhile would combine with it).
    void WhenKeysUp(std::function<void()> then);
    void OnKeysTimer();

    HWND window_ = nullptr;
    bool on_ = false;
    PasteQueue queue_;
    std::optional<std::u16string> lastPasted_;   // kept after the mode ends, until it starts again
    int advanceTries_ = 0;   // since the head was taken, while the pasting program holds the clipboard
    int offerTries_ = 0;
    std::function<void()> afterKeysUp_;
    int keysWaited_ = 0;
    QueueIndicator indicator_;
};

SequentialPaste &Sequence();

}  // namespace tlxhistory
