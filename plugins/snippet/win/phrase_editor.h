// The plug-in-wide settings dialog: the phrases in their folders, the team's beside
// them (read only, to copy from), the paste options, where the phrases are kept, and
// the backups to put back.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "phrase_book.h"
#include "restore_dialog.h"
#include "snippet_options.h"

namespace tlxsnippet {

// What the editor shows besides the user's phrases.
struct EditorExtras {
    PhraseBook team;   // the team's phrases (phrase_state.h, TeamViewOf)
    std::function<std::vector<PhraseBackup>()> backups;
    BackupReader readBackup;
};

// Edits a copy of the phrases and options, modal to owner, from the dialog template of
// module. After OK, true, with book and options replaced by what was edited (the caller
// keeps them); after cancel, false, both as they were. The phrase numbered selectNumber
// is selected first (the first phrase when there is none of that number).
bool ShowPhraseEditor(HINSTANCE module, HWND owner, PhraseBook &book, SnippetOptions &options,
                      int32_t selectNumber = 0, const EditorExtras &extras = {});

}  // namespace tlxsnippet
