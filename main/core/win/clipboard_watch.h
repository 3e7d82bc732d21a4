// The clipboard-format list and the watch actions of the running program.
#pragma once
#include "clipboard_types.h"
#include "ini_store.h"

namespace ptr {
// The system's clipboard: RegisterClipboardFormatA, GetClipboardFormatNameA and
// IsClipboardFormatAvailable.
ClipboardFormats &SystemClipboardFormats();
// ClipboardTypes from CF_Type.ini beside the program.
void LoadClipboardTypes();
// WatchActions from section "Watch" of Setting.ini.
void LoadWatchActions();
void SaveWatchActions(IniStore &ini);
// Host event 0: runs every matching watch action (CallType 1) when watching is on.
void RunWatchActions();
}  // namespace ptr
