// The eight exports the host resolves by name, over the plug-in's state.
#include <windows.h>

#include "convert_settings.h"
#include "host_services.h"
#include "module_folder.h"
#include "plugin_functions.h"
#include "plugin_records.h"
#include "profile_file.h"
#include "record_text.h"
#include "setting_dialog.h"
#include "tlx_plugin.h"

using namespace tlxconv;

namespace {

ConvertSettings g_settings;

}  // namespace

extern "C" {

int32_t WINAPI PIN_Init(void) {
    g_settings.Load(*tlx::PluginSettingsFile());
    return 0;
}

void WINAPI PIN_Quit(void) {}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner) {
    if (SettingNo >= 1 && SettingNo <= SettingCount(funcno))
        ShowSettingDialog(tlx::OwnModule(), owner, funcno, SettingNo, g_settings, *tlx::PluginSettingsFile());
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
    return tlx::CopySettingName(SettingName(g_settings, funcno, setno), buffer, size);
}

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
