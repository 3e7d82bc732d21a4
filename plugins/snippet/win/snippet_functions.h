// The plug-in's functions over its phrases and options.
#pragma once
#include <windows.h>

#include <cstdint>

#include "clipboard_paste.h"
#include "phrase_library.h"
#include "phrase_picker_source.h"
#include "snippet_options.h"

namespace tlxsnippet {

struct SnippetState {
    SnippetOptions options;
    PhraseLibrary library;
    tlx::ClipboardPaste paster;
    // The picker while it is open: told of phrases that changed meanwhile.
    HWND picker = nullptr;
    PhrasePickerSource *pickerSource = nullptr;
};

// Reads the phrases and options; the host and an open picker are told of every change
// of the phrases from then on.
void OpenPhrases(SnippetState &state);
// 定型文を貼り付け: phrase `number` (the user's or the team's) into the window that was
// in front; a short notice for a number that is no phrase (deleted since the hotkey or
// menu item was made).
void PastePhrase(SnippetState &state, int32_t number, HWND target);
// 定型文から選んで貼り付け: the picker below the caret of the window in front (at the
// mouse cursor without one); the phrase chosen is pasted into that window.
void PickPhrase(SnippetState &state, HWND target);
// クリップボードを定型文に登録: the clipboard's text as a new phrase in "未分類", named by
// its first line; a private copy is never registered.
void RegisterClipboard(SnippetState &state);
// The plug-in-wide settings: the editor, then what it changed kept.
void EditPhrases(SnippetState &state, HWND owner, int32_t selectNumber);

}  // namespace tlxsnippet
