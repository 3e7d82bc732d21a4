#include "hotkeys.h"

#include "app_state.h"
#include "execute_function.h"
#include "hotkey_entries.h"
#include "vbIniFile.h"

namespace ptr {

void LoadHotkeys() {
    AppState &app = App();
    app.HotKeys.clear();
    for (const HotkeyEntry &entry : ReadHotkeyEntries(vbIniFile(app.SettingFile()))) {
        auto hotkey = std::make_unique<vbHotKey>();
        ShowProgress("ホットキーを登録しています...\r\n" + GetKeyText(entry.KeyCode, entry.KeyMod, false, false));
        if (!hotkey->SetHotkey(app.HostWindow, entry.KeyCode, entry.KeyMod, entry.FunctionType, entry.FunctionOption))
            ShowProgress("ホットキーの登録に失敗しました。\r\n既に使用されている可能性があります。\r\nModKey = " +
                             std::to_string(entry.KeyMod) + "\r\nKey = " + std::to_string(entry.KeyCode),
                         true, MB_OK | MB_ICONWARNING);
        app.HotKeys.push_back(std::move(hotkey));
    }
}

void SaveHotkeys(IniStore &ini) {
    int n = 1;
    for (const auto &hotkey : App().HotKeys)
        WriteHotkeyEntry(ini, n++, {hotkey->FunctionType(), hotkey->KeyCode(), hotkey->KeyMod(), hotkey->FunctionOption()});
    WriteHotkeyEndMarker(ini, n);
}

void RunHotkey(intptr_t id) {
    for (const auto &hotkey : App().HotKeys) {
        if (hotkey->ID() != id) continue;
        // Copies: the function may change the list (a settings page, a menu).
        const int32_t type = hotkey->FunctionType();
        const std::string option = hotkey->FunctionOption();
        ExecuteFunction(type, option, TLX_CALL_HOTKEY);
        return;
    }
}

}  // namespace ptr
