#include "common_controls.h"

#include <windows.h>

#include <commctrl.h>

namespace ptr {

void LoadCommonControls() {
    // Registered once for the process: a dialog template that names a common control
    // works whichever window opens first.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS |
                                                        ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace ptr
