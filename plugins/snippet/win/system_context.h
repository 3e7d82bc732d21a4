// What the placeholders need of the system when a phrase is pasted: the time, the
// user's date and time pictures and names, the Japanese eras and the clipboard's text.
#pragma once
#include <vector>

#include "placeholders.h"

namespace tlxsnippet {

// The eras of the system's table; empty where it has none (Wine 8 has none).
std::vector<Era> SystemEras();

// Everything but the questions of {入力:…}, which the caller's dialog answers.
PasteContext SystemPasteContext();

}  // namespace tlxsnippet
