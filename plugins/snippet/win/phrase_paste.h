// A phrase pasted into the window that was in front: its text offered on the clipboard
// (kept out of clipboard histories when the user wants), Ctrl+V sent, the caret moved to
// where {カーソル} stood, and the clipboard given back what it held once the window has
// taken the paste (tlx::ClipboardPaste).
#pragma once
#include <windows.h>

#include "clipboard_paste.h"
#include "placeholders.h"
#include "snippet_options.h"

namespace tlxsnippet {

// True when the phrase's Ctrl+V went to the window: only such a paste counts a {連番}.
// Otherwise the phrase waits on the clipboard for the user's own Ctrl+V, or (the clipboard
// could not be had) nothing changed.
bool PastePhraseText(tlx::ClipboardPaste &paster, const Expansion &phrase, HWND target, const SnippetOptions &options);

}  // namespace tlxsnippet
