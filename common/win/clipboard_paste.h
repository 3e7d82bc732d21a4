// The one way the program's plug-ins paste: what is to be pasted offered on the clipboard
// (clipboard_offer.h), Ctrl+V sent to the window the user works in (paste_target.h), and
// the clipboard given back once that window has taken the paste: the user's copy as it was
// before (clipboard_snapshot.h), or the item of 連続貼り付け that was there, so that the
// queue goes on where it was. A paste made while an earlier one is still waiting to be
// taken gives back what was there before the earlier one.
//
//   tlx::ClipboardPaste paster;   // one per plug-in: its window owns what it offers
//   paster.Paste({tlx::OfferedText(text), target, "定型文"});
#pragma once
#include <windows.h>

#include <optional>

#include "clipboard_offer.h"
#include "clipboard_snapshot.h"
#include "paste_target.h"

namespace tlx {

class ClipboardPaste {
public:
    struct Request {
        OfferedContent content;
        HWND target = nullptr;       // the window the keys go to; null (or the program's own): none
        const char *caption = "";    // of the notices to the user
        size_t caretBack = 0;        // steps of the caret to the left after Ctrl+V
        // What comes back once the paste is taken: the user's copy, or only an item of
        // 連続貼り付け (an entry of the history stays there, as a copy of it would).
        ClipboardSnapshot::Keep giveBack = ClipboardSnapshot::Keep::kUserCopy;
    };
    enum class Outcome {
        kSent,       // offered, and Ctrl+V went to the window
        kOffered,    // offered for the user's own Ctrl+V (no window, or no keys could go)
        kFailed,     // the clipboard could not be had: nothing changed
    };
    Outcome Paste(Request request);
    // The plug-in quits: a paste nobody has taken gives back what was there before it.
    void Quit();

private:
    void GiveBack();

    ClipboardOffer offer_;
    std::optional<ClipboardSnapshot> before_;
};

}  // namespace tlx
