// The eight exports the host resolves by name, over the history of this run.
#include <windows.h>

#include "host_services.h"
#include "history_functions.h"
#include "history_keeper.h"
#include "module_folder.h"
#include "plugin_records.h"
#include "profile_file.h"
#include "sequential_paste.h"
#include "settings_dialog.h"
#include "tlx_plugin.h"

using namespace tlxhistory;

extern "C" {

int32_t WINAPI PIN_Init(void) {
    Keeper().Start(*tlx::PluginSettingsFile());
    return 0;
}

void WINAPI PIN_Quit(void) {
    EndPastes();
    Sequence().Quit();
    Keeper().Stop();
}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t, HWND owner) {
    if (funcno == 0) ShowSettingsDialog(tlx::OwnModule(), owner, Keeper(), *tlx::PluginSettingsFile());
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t, HWND ActivateWnd, int32_t, int32_t) {
    switch (funcno) {
        case kFuncRecord: RecordClipboard(Keeper(), ActivateWnd); break;
        case kFuncPaste: PasteFromHistory(tlx::OwnModule(), Keeper(), ActivateWnd); break;
        case kFuncClear: ClearHistory(Keeper()); break;
        case kFuncQueueMode: Sequence().Toggle(); break;
        case kFuncPasteNext: Sequence().PasteNext(ActivateWnd); break;
    }
    return 0;
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    if (info) FillPluginInfo(*info);
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    if (info) FillFuncInfo(funcno, *info);
    return 0;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t, int32_t, char *, int32_t) { return 0; }

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
