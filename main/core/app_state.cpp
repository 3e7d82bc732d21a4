#include "app_state.h"

namespace ptr {

AppState &App() {
    static AppState state;
    return state;
}

int ShowMessage(const std::string &text, UINT style) {
    return MessageBoxA(nullptr, text.c_str(), kProductName, style | MB_SETFOREGROUND);
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
