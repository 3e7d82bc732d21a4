#include "app_state.h"
#include "basMain.h"
#include "clipboard_watch.h"
#include "host_dll.h"
#include "hotkeys.h"
#include "settings_window_api.h"
#include "vbIniFile.h"

namespace ptr {

void SaveAllSettings() {
    AppState &app = App();
    vbIniFile ini(app.SettingFile());
    SaveSettings(app.Settings, ini);
    SaveWatchActions(ini);
    SaveHotkeys(ini);
    // Losing the user's settings without a word would be worse than a message.
    if (ini.WriteFailed())
        ShowMessage("設定を保存できませんでした。\r\n" + app.SettingFile() + "\r\nが書き込み可能か確認してください。",
                    MB_OK | MB_ICONWARNING);
}

void QuitProgram(bool confirm, bool noSave) {
    AppState &app = App();
    if (confirm && app.Settings.EndingCheck &&
        ShowMessage("終了してよろしいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!noSave) SaveAllSettings();
    app.Plugins.Clear();
    app.HotKeys.clear();
    app.Menus.Clear();
    HostDll::Get().Quit();
    // The settings window is the program's last window: closing it ends the message loop.
    if (app.SettingsWindow)
        app.SettingsWindow->Close();
    else
        PostQuitMessage(0);
}

}  // namespace ptr
