// The eight exports the host resolves by name, over the history of this run.
#include "tlx_plugin.h"

#include <cstring>

#include "history_functions.h"
#include "history_keeper.h"
#include "settings_dialog.h"

using namespace tlxhistory;

namespace {

HINSTANCE g_module = nullptr;

template <size_t N>
void CopyField(char (&field)[N], const char *text) {
    std::strncpy(field, text, N - 1);
}

struct FunctionDescription {
    const char *name;
    const char *comment;
};

constexpr FunctionDescription kFunctions[kFunctionCount] = {
    {"履歴に記録", "現在のクリップボードの内容を履歴に追加します。"},
    {"履歴から貼り付け", "履歴の一覧を表示し、選んだ内容を貼り付けます。"},
    {"履歴を消去", "固定していない履歴をすべて削除します。"},
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
    std::memset(info, 0, sizeof *info);
    CopyField(info->Name, "履歴");
    CopyField(info->Version, "1.00");
    CopyField(info->Copyright, "Copyright (C) ポルテリカ");
    CopyField(info->Comment, "コピーした内容を履歴として保存し、選んで貼り付けます。");
    info->IsSetting = 1;
    info->IsAbout = 0;
    info->FuncCount = kFunctionCount;
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    std::memset(info, 0, sizeof *info);
    if (funcno < 1 || funcno > kFunctionCount) return 0;
    CopyField(info->Name, kFunctions[funcno - 1].name);
    CopyField(info->Comment, kFunctions[funcno - 1].comment);
    info->IsSetting = 0;
    info->FuncNameNumMax = 1;
    info->FunctionType = TLX_FUNC_ACTION;
    return 0;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t, int32_t, char *, int32_t) { return 0; }

}  // extern "C"
