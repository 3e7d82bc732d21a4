// The plug-in-wide settings dialog: the phrases in their folders and the paste options.
#pragma once
#include <windows.h>

#include <cstdint>

#include "phrase_book.h"
#include "snippet_options.h"

namespace tlxsnippet {

// Edits a copy of the phrases and options, modal to owner, from the dialog template of
// module. After OK, true, with book and options replaced by what was edited (the caller
// keeps them); after cancel, false, both as they were. The phrase numbered selectNumber
// is selected first (the first phrase when there is none of that number).
bool ShowPhraseEditor(HINSTANCE module, HWND owner, PhraseBook &book, SnippetOptions &options,
                      int32_t selectNumber = 0);

}  // namespace tlxsnippet
