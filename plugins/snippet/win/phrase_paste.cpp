#include "phrase_paste.h"

#include "clipboard_writer.h"
#include "current_copy.h"
#include "paste_target.h"

namespace tlxsnippet {

namespace {

constexpr char kCaption[] = "定型文";

// CanIncludeInClipboardHistory = 0: neither the program's history nor the system's keeps it.
std::vector<tlx::MarkBlock> OutOfHistory() {
    const DWORD forbid = 0;
    return {{tlx::PrivacyFormats().canIncludeInHistory, std::string(reinterpret_cast<const char *>(&forbid), sizeof forbid)}};
}

}  // namespace

bool PhrasePaster::Paste(const Expansion &phrase, HWND target, const SnippetOptions &options) {
    if (!offer_.Open()) return false;
    before_.reset();
    if (options.restoreClipboard) before_ = tlx::ClipboardSnapshot::Take();
    tlx::ClipboardOffer::Events events;
    // Once the window has taken the phrase and closed the clipboard again.
    events.released = [this] {
        if (before_) before_->Restore();
        before_.reset();
    };
    events.lost = [this] { before_.reset(); };
    const bool offered = offer_.Offer(phrase.text, options.keepOutOfHistory ? OutOfHistory() : tlx::kNoMarks, events);
    CloseClipboard();
    if (!offered) return false;
    // Where no keys can go, the phrase stays on the clipboard for the user's own Ctrl+V.
    if (tlx::CanPasteInto(target)) tlx::PasteInto(target, kCaption, phrase.caretBack);
    return true;
}

}  // namespace tlxsnippet
