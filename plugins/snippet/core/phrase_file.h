// The phrases as one UTF-8 text file that a user can read and edit in a text editor;
// the plug-in keeps its phrases in this form and exports and imports it.
//
//   @ポルテリカ定型文 1
//   @次の番号 4
//   @フォルダ 挨拶
//   @定型文 1 お世話になっております。
//   お世話になっております。
//   (an empty line ends each phrase)
//   @定型文 3 署名
//   @連番 12
//   ...
//
// A phrase's text is every line up to the next line that starts with "@" and a word
// above, less the one empty line that ends it; a line of its text that starts with "@"
// is written with one more "@". "@定型文" takes the phrase's number, then its name; in
// a file written by hand the number may be left out. Phrases before any "@フォルダ" are
// in "未分類".
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "phrase_book.h"

namespace tlxsnippet {

std::string WritePhraseFile(const PhraseBook &book);

// The plug-in's own file; nothing when it is damaged: not UTF-8, not a file of phrases,
// a number or count that is no number, or a number given twice.
std::optional<PhraseBook> ReadPhraseFile(std::string_view bytes);

struct ImportResult {
    bool read = false;   // the bytes were UTF-8 text
    int added = 0;
    int renamed = 0;     // added under another name: one of that name was in its folder
};

// Adds every phrase of a file (exported, or written by hand) to the book, each with a new
// number; a phrase whose folder already holds one of that name is added as "名前 (2)"
// (or the next free number), so nothing of the book is overwritten.
ImportResult ImportPhrases(std::string_view bytes, PhraseBook &book);

}  // namespace tlxsnippet
