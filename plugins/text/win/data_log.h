// Keeping the clipboard text across runs in "_datalog": raw code page 932 bytes,
// no terminator; a Unicode text of its own goes beside it (unicode_log.h).
#pragma once
#include "settings_store.h"

namespace tlxtext {

// Puts the saved text back on the clipboard (emptying it first), with its
// Unicode form when the Unicode log belongs to this "_datalog". Nothing
// happens when there is no saved file or the clipboard cannot be opened.
void RestoreSavedText(const PluginFiles &files);
// Saves the clipboard text, replacing the previous file only once the new one
// is completely written. Without text on the clipboard the old file stays.
void SaveClipboardText(const PluginFiles &files);

}  // namespace tlxtext
