#include <windows.h>

#include "basMain.h"
#include "common_controls.h"
#include "frmMain.h"
#include "frmSplash.h"
#include "mode_texts.h"

namespace {

// The program's windows as start-up brings them up.
class ProgramWindows final : public ptr::StartUpWindows {
public:
    void Prepare() override {
        ptr::LoadCommonControls();
        ptr::ModeTexts().Fill();
    }
    void ShowSplash() override { ptr::ShowSplash(); }
    void CloseSplash() override { ptr::CloseSplash(); }
    void LoadSettingsWindow() override { ptr::LoadSettingsWindow(); }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    ProgramWindows windows;
    if (!ptr::StartUp(arguments ? arguments : "", windows)) return 0;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (ptr::IsSettingsWindowMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
