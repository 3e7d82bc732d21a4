// The eight exports the host resolves by name, over the history of this run.
#include "tlx_plugin.h"

#include "current_copy.h"
#include "history_functions.h"
#include "history_keeper.h"
#include "record_text.h"
#include "settings_dialog.h"

using namespace tlxhistory;

namespace {

HINSTANCE g_module = nullptr;

constexpr tlx::FuncText kFunctions[kFunctionCount] = {
    {"履歴に記録", TLX_FUNC_ACTION, false, 1, "現在のクリップボードの内容を履歴に追加します。"},
    {"履歴から貼り付け", TLX_FUNC_ACTION, false, 1, "履歴の一覧を表示し、選んだ内容を貼り付けます。"},
    {"履歴を消去", TLX_FUNC_ACTION, false, 1, "固定していない履歴をすべて削除します。"},
};

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
    Keeper().Start(g_module);
    return 0;
}

void WINAPI PIN_Quit(void) { Keeper().Stop(); }

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t, HWND owner) {
    if (funcno == 0) ShowSettingsDialog(g_module, owner, Keeper());
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t, HWND ActivateWnd, int32_t, int32_t) {
    switch (funcno) {
    case kFuncRecord:
        RecordClipboard(Keeper());
        break;
    case kFuncPaste:
        PasteFromHistory(g_module, Keeper(), ActivateWnd);
        break;
    case kFuncClear:
        ClearHistory(Keeper());
        break;
    }
    return 0;
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    if (info)
        tlx::FillPluginRecord(
            {"履歴", "1.00", "コピーした内容を履歴として保存し、選んで貼り付けます。", true, kFunctionCount}, *info);
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    if (info) tlx::FillFuncRecord(kFunctions, funcno, *info);
    return 0;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t, int32_t, char *, int32_t) { return 0; }

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
