#include "clipboard_paste.h"

namespace tlx {

ClipboardPaste::Outcome ClipboardPaste::Paste(Request request) {
    offer_.AwaitDuePaste();
    if (!offer_.Open()) return Outcome::kFailed;
    // An earlier paste nobody has taken yet: what was there before it comes back.
    if (!offer_.Offered()) before_ = ClipboardSnapshot::Take(request.giveBack);
    ClipboardOffer::Events events;
    // Once the window has taken the paste and closed the clipboard again.
    events.released = [this] { GiveBack(); };
    // Something else was copied meanwhile: that is what the user has now.
    events.lost = [this] { before_.reset(); };
    const bool offered = offer_.Offer(std::move(request.content), std::move(events));
    CloseClipboard();
    if (!offered) return Outcome::kFailed;
    if (!CanPasteInto(request.target)) return Outcome::kOffered;
    offer_.Settle();
    const bool sent = SendPaste(request.target, request.caption, request.caretBack) == PasteKeys::kSent;
    offer_.KeysSent(sent);
    return sent ? Outcome::kSent : Outcome::kOffered;
}

void ClipboardPaste::GiveBack() {
    // Taken out first: emptying the clipboard tells the offer it lost, which drops before_.
    std::optional<ClipboardSnapshot> back = std::move(before_);
    before_.reset();
    if (back) back->Restore();
}

void ClipboardPaste::Quit() {
    if (!offer_.Offered() || !before_ || !offer_.Open()) return;
    GiveBack();
    CloseClipboard();
}

}  // namespace tlx
