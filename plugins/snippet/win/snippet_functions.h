// The plug-in's functions over its phrases and options.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "clipboard_paste.h"
#include "file_saver.h"
#include "phrase_book.h"
#include "snippet_options.h"

namespace tlxsnippet {

struct SnippetState {
    std::string file;   // Phrases.txt
    PhraseBook book;
    SnippetOptions options;
    tlx::ClipboardPaste paster;
    tlx::FileSaver saver;   // the book written after a paste counted a {連番}
};

// 定型文を貼り付け: phrase `number` into the window that was in front; a short notice
// for a number that is no phrase (deleted since the hotkey or menu item was made).
void PastePhrase(SnippetState &state, int32_t number, HWND target);
// 定型文から選んで貼り付け: the picker below the caret of the window in front (at the
// mouse cursor without one); the phrase chosen is pasted into that window.
void PickPhrase(SnippetState &state, HWND target);
// クリップボードを定型文に登録: the clipboard's text as a new phrase in "未分類", named by
// its first line; a private copy is never registered.
void RegisterClipboard(SnippetState &state);
// The phrases were changed: written, and the host told (their names are its settings).
void PhrasesChanged(SnippetState &state);

}  // namespace tlxsnippet
