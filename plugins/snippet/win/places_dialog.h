// 定型文の保存先: the folder of the user's phrases (one a sync client shares between PCs
// lets them all use the same), the team's folder, read only, the backups' folder, and
// whether {連番} counts the pastes of every PC.
#pragma once
#include <windows.h>

#include "snippet_options.h"

namespace tlxsnippet {

// Edits the folders and the counting of `options`, modal to owner; true after OK.
bool ShowPlacesDialog(HINSTANCE module, HWND owner, SnippetOptions &options);

}  // namespace tlxsnippet
