// The two modal settings dialogs. OK stores the edited values in `settings`
// and writes them to Setting.ini; cancel and the close box change nothing.
#pragma once
#include <windows.h>

#include "text_settings.h"

namespace tlxtext {

void ShowDataSaveDialog(HINSTANCE module, HWND owner, TextSettings &settings, tlx::ProfileStore &store);
// funcno is the file-name or the join function; it selects which separator is edited.
void ShowSeparatorDialog(HINSTANCE module, HWND owner, int funcno, TextSettings &settings,
                         tlx::ProfileStore &store);

}  // namespace tlxtext
