// The phrases in "Plugins\tlxSnippet\Phrases.txt", beside the plug-in's Setting.ini:
// read at start, written by safe replacement after every change. A file that cannot
// be read back is set aside, never deleted.
#pragma once
#include <string>

#include "phrase_book.h"

namespace tlxsnippet {

std::string PhrasesFile();
PhraseBook LoadPhrases(const std::string &file);
bool SavePhrases(const std::string &file, const PhraseBook &book);

}  // namespace tlxsnippet
