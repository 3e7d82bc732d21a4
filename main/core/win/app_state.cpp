#include "app_state.h"

#include "settings_window_api.h"

namespace ptr {

AppState &App() {
    static AppState state;
    return state;
}

int ShowMessage(const std::string &text, UINT style) {
    // Asked from the open settings window (quitting from its menu, its start-up button),
    // the message belongs to it: it cannot hide behind the window, nor be asked twice.
    const SettingsWindowApi *window = App().SettingsWindow;
    const HWND owner = window && window->IsVisible() ? static_cast<HWND>(window->Handle()) : nullptr;
    return MessageBoxA(owner, text.c_str(), kProductName, style | MB_SETFOREGROUND);
}

void ShowProgress(const std::string &text, bool asMessage, UINT style, int step) {
    AppState &app = App();
    if (app.Settings.SplashShow && app.Splash) {
        app.Splash->Show(text, asMessage, style, step);
    } else if (asMessage) {
        ShowMessage(text, style);
    }
}

ProgressReport ProgressToSplash() {
    return [](const std::string &text, int step) { ShowProgress(text, false, MB_OK, step); };
}

}  // namespace ptr
