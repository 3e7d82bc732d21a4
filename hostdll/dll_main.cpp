#include <windows.h>

#include "host_window.h"
#include "plugin_table.h"
#include "tray_icon.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        kx::HostWindowAttach(instance);
        kx::TrayAttach(instance);
        break;
    case DLL_PROCESS_DETACH: {
        // A non-null reserved means the process is ending: the plug-ins have
        // already been told so by the system and must not be called again.
        const bool processExit = reserved != nullptr;
        kx::TrayDetach();
        kx::HostWindowDetach(processExit);
        if (!processExit) kx::PluginTableShutdown();
        break;
    }
    default: break;
    }
    return TRUE;
}
