// What a settings dialog edits, handed over at WM_INITDIALOG and kept with
// the dialog window.
#pragma once
#include <windows.h>

#include "settings_store.h"
#include "text_settings.h"

namespace tlxtext {

struct DialogContext {
    TextSettings &settings;
    const PluginFiles &files;
    int funcno;  // the function whose settings are edited; 0 for the plug-in's own
};

inline DialogContext &AttachContext(HWND dialog, LPARAM initParam) {
    SetWindowLongPtrA(dialog, DWLP_USER, initParam);
    return *reinterpret_cast<DialogContext *>(initParam);
}

inline DialogContext &ContextOf(HWND dialog) {
    return *reinterpret_cast<DialogContext *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace tlxtext
