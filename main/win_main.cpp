#include <windows.h>

#include "basMain.h"
#include "frmMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    if (!ptr::StartUp(arguments ? arguments : "")) return 0;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (ptr::IsSettingsWindowMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
