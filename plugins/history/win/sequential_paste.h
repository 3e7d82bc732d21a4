// 連続貼り付け: while the mode is on, every copy that is not private joins a queue, and
// each paste in any program takes the head. The head is offered on the clipboard
// (tlx::ClipboardOffer): a paste by the program in front takes it, a program that only
// looks does not, and once the pasting program has closed the clipboard the next item is
// offered. An offered item carries the program's queue mark (the watch and the history
// leave it alone) and the system's marks that keep its clipboard history and cloud
// clipboard from asking for it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "clipboard_offer.h"
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
    // The head on the clipboard, retried a while when another program holds it.
    bool OfferHead();
    tlx::ClipboardOffer::Events ItemEvents();
    void OnReleased();
    void ShowState();
    // What the clipboard holds when the mode goes: the last item pasted, else the newest.
    const std::u16string *ItemLeftBehind() const { return lastPasted_ ? &*lastPasted_ : queue_.Newest(); }

    HWND window_ = nullptr;   // hears of copies
    bool on_ = false;
    PasteQueue queue_;
    tlx::ClipboardOffer offer_;
    std::optional<std::u16string> lastPasted_;   // kept after the mode ends, until it starts again
    DWORD lastJoined_ = 0;   // the clipboard's sequence number at the copy joined last
    int offerTries_ = 0;
    QueueIndicator indicator_;
};

SequentialPaste &Sequence();

}  // namespace tlxhistory
