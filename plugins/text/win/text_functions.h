// The plug-in's five functions. Each opens the clipboard itself and does
// nothing when it cannot be opened or holds nothing to work on.
#pragma once
#include <string>

#include "text_joiner.h"
#include "text_settings.h"

namespace tlxtext {

// Removes every format but the text, which is kept byte for byte.
void KeepTextOnly();
// Adds the names of a copied file list as text; the file list stays.
void AddFileNamesAsText(const std::string &storedSeparator);
// Adds the "HTML Format" block, source and all, as text; the HTML stays.
void AddHtmlSourceAsText();
// Replaces the text by the join of the kept text and the current one.
void JoinWithKeptText(TextJoiner &joiner, const TextSettings &settings);

}  // namespace tlxtext
