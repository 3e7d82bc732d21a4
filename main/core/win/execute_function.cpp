#include "execute_function.h"

#include <windows.h>

#include "app_state.h"
#include "basCommonFunc.h"
#include "function_catalogue.h"
#include "menus.h"
#include "settings_window_api.h"

namespace ptr {

void SetClipboardWatch(bool on) {
    AppState &app = App();
    app.Settings.ClipboardWatch = on;
    if (app.SettingsWindow) app.SettingsWindow->SetWatchMenuCheck(on);
}

static void RunProgramFunction(ProgramFunction f) {
    AppState &app = App();
    const int n = static_cast<int>(f);
    if (n >= 1 && n <= 6) {
        if (app.SettingsWindow) app.SettingsWindow->ShowPage(n - 1);
        return;
    }
    switch (f) {
    case ProgramFunction::QuitProgram:
        // Closing the settings window ends the program, without asking and without saving.
        if (app.SettingsWindow)
            app.SettingsWindow->Close();
        else
            PostQuitMessage(0);
        break;
    case ProgramFunction::WatchOn: SetClipboardWatch(true); break;
    case ProgramFunction::WatchOff: SetClipboardWatch(false); break;
    case ProgramFunction::WatchToggle: SetClipboardWatch(!app.Settings.ClipboardWatch); break;
    default: break;
    }
}

void ExecuteFunction(int32_t type, const std::string &option, int32_t callType) {
    AppState &app = App();
    switch (type) {
    case kFunctionProgram:
        RunProgramFunction(ParseProgramFunction(option));
        break;
    case kFunctionPlugin: {
        const PluginFunctionRef ref = ParsePluginFunction(option);
        if (!ref.complete) break;
        if (vbKXPlugin *plugin = app.Plugins.Find(ref.fileName))
            plugin->CallFunc(ref.funcno, ref.setno, app.ActivateWnd, callType);
        break;
    }
    case kFunctionMenu:
        RunMenu(option);
        break;
    case kFunctionOpen:
        ShellOpen(nullptr, option);
        break;
    default:
        break;
    }
}

void RunMenu(const std::string &name) {
    ShowMenuInFront(name,
                    [](int32_t type, const std::string &option) { ExecuteFunction(type, option, TLX_CALL_MENU); });
}

}  // namespace ptr
