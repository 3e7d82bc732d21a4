// A phrase pasted into the window that was in front: its text offered on the clipboard
// (kept out of clipboard histories when the user wants), Ctrl+V sent as real input, the
// caret moved to where {カーソル} stood, and the clipboard given back what it held once
// the window has taken the paste.
#pragma once
#include <windows.h>

#include <optional>

#include "clipboard_offer.h"
#include "clipboard_snapshot.h"
#include "placeholders.h"
#include "snippet_options.h"

namespace tlxsnippet {

class PhrasePaster {
public:
    // False when the clipboard could not be had; the phrase was then not pasted.
    bool Paste(const Expansion &phrase, HWND target, const SnippetOptions &options);

private:
    tlx::ClipboardOffer offer_;
    std::optional<tlx::ClipboardSnapshot> before_;
};

}  // namespace tlxsnippet
