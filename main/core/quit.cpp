#include "app_state.h"
#include "basMain.h"
#include "host_dll.h"
#include "vbIniFile.h"

namespace ptr {

void SaveAllSettings() {
    AppState &app = App();
    vbIniFile ini(app.SettingFile());
    SaveSettings(app.Settings, ini);
}

void QuitProgram(bool confirm, bool noSave) {
    AppState &app = App();
    if (confirm && app.Settings.EndingCheck &&
        ShowMessage("終了してよろしいですか？", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!noSave) SaveAllSettings();
    app.Plugins.Clear();
    HostDll::Get().Quit();
    PostQuitMessage(0);
}

}  // namespace ptr
