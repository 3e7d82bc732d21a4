// What the program puts on the clipboard for a paste, offered by delayed rendering: the
// system asks this process for a form only when a program reads it, so the offer learns
// that it was pasted without watching any key, and when the pasting program has closed
// the clipboard again.
//
// Not every request is a paste. A paste comes from the program in front after a key or a
// click (the program's own Ctrl+V included). The program's own readers, a program that
// reads every change in the background, the program in front reading before anything
// was typed or clicked, and a program that opens the clipboard without a window (and so
// does not say which it is) only look: they get the content, the offer is made again
// once they have closed the clipboard so that the paste still asks, and a program that
// looks again at what it has seen gets nothing (or it and the offer would go on for
// ever). A program
// that opens the clipboard twice for one paste, with nothing typed in between, takes the
// content once and gets the same content the second time, even where the offer has moved
// on meanwhile (the next item of 連続貼り付け).
//
// Every offer carries the paste mark (paste_mark.h), so that nothing that watches for the
// user's copies takes it for one.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "offer_request.h"
#include "paste_mark.h"
#include "private_copy.h"

namespace tlx {

struct OfferedContent {
    std::vector<std::pair<UINT, std::string>> blocks;   // each rendered when asked for
    std::vector<MarkBlock> marks;                      // set at once (privacy, the queue's mark)
    // kOffered: no copy of the user's (a phrase, an item of 連続貼り付け); kGivenBack: a copy
    // of the user's that the program puts back (an entry of the history).
    PasteMark::Kind kind = PasteMark::Kind::kOffered;
};

// The text as the one form offered: the system makes the other text forms from it.
OfferedContent OfferedText(const std::u16string &text, std::vector<MarkBlock> marks = {});

class ClipboardOffer {
public:
    struct Events {
        std::function<void()> taken;      // a paste took the content
        // That program has closed the clipboard again; called with the clipboard open
        // by the offer's window (emptied by nothing), to write what comes next.
        std::function<void()> released;
        std::function<void()> lost;       // another program put something else there
        // A paste of the program's that took the clipboard from this offer is done
        // (TakeBackMessage, clipboard_snapshot.h): the offer may be made again.
        std::function<void()> takeBack;
    };

    ClipboardOffer();
    ~ClipboardOffer();
    ClipboardOffer(const ClipboardOffer &) = delete;
    ClipboardOffer &operator=(const ClipboardOffer &) = delete;

    // Opens the clipboard with the offer's window as owner, as Offer needs; retried briefly.
    bool Open();
    // With the clipboard open through Open(): empties it and offers the content, its
    // marks set at once.
    bool Offer(OfferedContent content, Events events);
    // Before the program's own Ctrl+V: lets the programs that read every change have their
    // look first (answering what they ask, meanwhile); a look after that, until the paste
    // or KeysSent(false), gets nothing, so that none spends the offer as the paste comes.
    void Settle();
    // Whether the program's own Ctrl+V for the offer went: the paste it makes is one.
    void KeysSent(bool sent);
    // Before a new offer: a paste whose Ctrl+V went and that the window has not taken yet
    // (its keys still on their way) is given a moment to take what it was sent for.
    void AwaitDuePaste();
    bool Offered() const { return offered_; }
    HWND Window() const { return window_; }
    // The process of the program that took the content last; 0 before any paste.
    DWORD Taker() const { return takerProcess_; }

private:
    using Blocks = std::vector<std::pair<UINT, std::string>>;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    OfferRequest Classify(DWORD requester) const;
    void OnRender(UINT format);
    void OnRenderAll();
    void OnDestroyClipboard();
    // With the clipboard open: empties it, promises the blocks and sets the marks.
    bool Promise();
    void CheckReleased();
    // Answers what other threads send, with this offer's own checks, until `done` or `ms`.
    void WaitUntil(DWORD ms, const std::function<bool()> &done);
    void OfferAgain();

    HWND window_ = nullptr;
    OfferedContent content_;
    Events events_;
    bool offered_ = false;
    bool promising_ = false;      // the offer empties the clipboard itself: no loss
    DWORD offeredAt_ = 0;         // GetTickCount of the content's offer
    bool keysSent_ = false;
    bool pasteDue_ = false;       // Settle() was called and the paste has not come yet
    DWORD pasteDueAt_ = 0;
    int promises_ = 0;            // how often the content has been promised
    std::map<DWORD, int> lookers_;   // process (0: unknown) → the promise it looked at
    // The last paste: its program, when, what it took.
    DWORD takerProcess_ = 0;
    DWORD takenAt_ = 0;
    Blocks taken_;
    bool pasteOpen_ = false;      // that program has not closed the clipboard yet
    bool offerAgain_ = false;     // a look spent the promise: made again once the reader is done
    bool checking_ = false;       // waiting for the reader to close the clipboard
    int checks_ = 0;
    DWORD lastRequest_ = 0;       // GetTickCount of the last request for the content
};

}  // namespace tlx
