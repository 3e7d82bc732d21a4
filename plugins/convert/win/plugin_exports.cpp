// The eight exports the host resolves by name, over the plug-in's state.
#include <windows.h>

#include <memory>

#include "convert_settings.h"
#include "current_copy.h"
#include "plugin_functions.h"
#include "plugin_records.h"
#include "profile_file.h"
#include "record_text.h"
#include "setting_dialog.h"
#include "tlx_plugin.h"

using namespace tlxconv;

namespace {

HINSTANCE g_module = nullptr;
ConvertSettings g_settings;
std::unique_ptr<tlx::ProfileFile> g_settingsFile;

tlx::ProfileFile &SettingsFile() {
    if (!g_settingsFile) g_settingsFile = tlx::PluginSettingsFile(g_module);
    return *g_settingsFile;
}

// The names of the width conversions' two settings; the others are named by the user.
const char *FixedSettingName(int32_t funcno, int32_t setno) {
    if (funcno != kFuncToHalfWidth && funcno != kFuncToFullWidth) return nullptr;
    return setno == kWidthLatinSigns ? "英数字・記号" : setno == kWidthWithKatakana ? "英数字・記号・カタカナ" : nullptr;
}

const std::string *SettingName(int32_t funcno, int32_t setno) {
    switch (funcno) {
        case kFuncReplace: return g_settings.Replace(setno) ? &g_settings.Replace(setno)->name : nullptr;
        case kFuncMatchesPattern: return g_settings.Pattern(setno) ? &g_settings.Pattern(setno)->name : nullptr;
        case kFuncCopiedFrom: return g_settings.Program(setno) ? &g_settings.Program(setno)->name : nullptr;
        default: return nullptr;
    }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" {

int32_t WINAPI PIN_Init(void) {
    // A fresh file object: it keeps the sections it read, and the file may have changed since.
    g_settingsFile.reset();
    g_settings.Load(SettingsFile());
    return 0;
}

void WINAPI PIN_Quit(void) {}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner) {
    if (SettingNo >= 1 && SettingNo <= SettingCount(funcno))
        ShowSettingDialog(g_module, owner, funcno, SettingNo, g_settings, SettingsFile());
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND ActivateWnd, int32_t CallType, int32_t) {
    const bool unattended = CallType == TLX_CALL_CHECK || CallType == TLX_CALL_WATCH;
    return RunFunction(funcno, setno, ActivateWnd, unattended, g_settings);
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    if (info) FillPluginInfo(*info);
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    if (info) FillFuncInfo(funcno, *info);
    return 0;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno, char *buffer, int32_t size) {
    if (const char *fixed = FixedSettingName(funcno, setno)) return tlx::CopySettingName(fixed, buffer, size);
    const std::string *name = SettingName(funcno, setno);
    return name ? tlx::CopySettingName(*name, buffer, size) : 0;
}

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
