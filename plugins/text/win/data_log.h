// Keeping the clipboard text across runs in "_datalog": raw code page 932 bytes,
// no terminator; a Unicode text of its own goes beside it (unicode_log.h).
#pragma once
#include <string>

namespace tlxtext {

struct PluginFiles {
    std::string folder;   // "...\Plugins\tlxText\", beside the plug-in file
    std::string dataLog;  // folder + "_datalog"
};

// The files of the plug-in this code is linked into.
PluginFiles LocatePluginFiles();

// Puts the saved text back on the clipboard (emptying it first), with its
// Unicode form when the Unicode log belongs to this "_datalog". Nothing
// happens when there is no saved file or the clipboard cannot be opened.
void RestoreSavedText(const PluginFiles &files);
// Saves the clipboard text, replacing the previous file only once the new one
// is completely written. Without text on the clipboard the old file stays.
void SaveClipboardText(const PluginFiles &files);

}  // namespace tlxtext
