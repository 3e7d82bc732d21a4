// The two modal settings dialogs. OK stores the edited values in `settings`
// and writes them to Setting.ini; cancel and the close box change nothing.
#pragma once
#include <windows.h>

#include "settings_store.h"
#include "text_settings.h"

namespace tlxtext {

void ShowDataSaveDialog(HINSTANCE instance, HWND owner, TextSettings &settings, const PluginFiles &files);
// funcno is the file-name or the join function; it selects which separator is edited.
void ShowSeparatorDialog(HINSTANCE instance, HWND owner, int funcno, TextSettings &settings,
                         const PluginFiles &files);

}  // namespace tlxtext
