// The plug-in's exports. State lives from PIN_Init to PIN_Quit: the settings,
// where the plug-in's files are, and the join function's kept text.
#include "tlx_plugin.h"

#include <cstring>

#include "data_log.h"
#include "settings_dialogs.h"
#include "settings_store.h"
#include "text_functions.h"

namespace tlxtext {
namespace {

struct PluginState {
    HMODULE module = nullptr;
    PluginFiles files;
    TextSettings settings;
    TextJoiner joiner;
};

PluginState &State() {
    static PluginState state;
    return state;
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

template <size_t N>
void CopyField(char (&field)[N], const char *text) {
    std::strncpy(field, text, N - 1);
}

struct FunctionDescription {
    const char *name;
    const char *comment;
    bool hasSetting;
};

constexpr FunctionDescription kFunctions[kFunctionCount] = {
    {"テキストのみ", "クリップボードデータから、テキストデータ以外を削除します。", false},
    {"ファイル名取得", "ファイルドロップ形式のコピー時、テキスト情報としてファイル名を付加します。", true},
    {"HTMLタグ取得", "HTMLをコピー時、テキストデータをHTMLタグに変換します。", false},
    {"テキスト連結", "前回コピーしたテキストデータと、現在コピーされているテキストデータを連結します。", true},
    {"テキストクリア", "『テキスト連結』機能用のメモリをクリアします。", false},
};

}  // namespace
}  // namespace tlxtext

using namespace tlxtext;

extern "C" {

int32_t WINAPI PIN_Init(void) {
    PluginState &state = State();
    state.module = ThisModule();
    state.files = LocatePluginFiles(state.module);
    state.settings = LoadSettings(state.files.settingIni);
    state.joiner.Clear();
    if (state.settings.dataSave) RestoreSavedText(state.files);
    return 0;
}

void WINAPI PIN_Quit(void) {
    PluginState &state = State();
    state.joiner.Clear();
    if (state.settings.dataSave) SaveClipboardText(state.files);
}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t, HWND owner) {
    PluginState &state = State();
    if (funcno == 0)
        ShowDataSaveDialog(state.module, owner, state.settings, state.files);
    else if (funcno == kFuncFileNames || funcno == kFuncJoin)
        ShowSeparatorDialog(state.module, owner, funcno, state.settings, state.files);
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t, HWND, int32_t, int32_t) {
    PluginState &state = State();
    switch (funcno) {
    case kFuncTextOnly:
        KeepTextOnly();
        break;
    case kFuncFileNames:
        AddFileNamesAsText(state.settings.fileToTextSep);
        break;
    case kFuncHtmlSource:
        AddHtmlSourceAsText();
        break;
    case kFuncJoin:
        JoinWithKeptText(state.joiner, state.settings);
        break;
    case kFuncClearJoin:
        state.joiner.Clear();
        break;
    }
    return 0;
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    std::memset(info, 0, sizeof *info);
    CopyField(info->Name, "テキスト");
    CopyField(info->Version, "1.00");
    CopyField(info->Copyright, "Copyright (C) ポルテリカ");
    CopyField(info->Comment, "テキストを操作するプラグインです。");
    info->IsSetting = 1;
    info->IsAbout = 0;
    info->FuncCount = kFunctionCount;
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    std::memset(info, 0, sizeof *info);
    if (funcno < 1 || funcno > kFunctionCount) return 0;
    const FunctionDescription &function = kFunctions[funcno - 1];
    CopyField(info->Name, function.name);
    CopyField(info->Comment, function.comment);
    info->IsSetting = function.hasSetting ? 1 : 0;
    info->FuncNameNumMax = 1;
    info->FunctionType = TLX_FUNC_ACTION;
    return 0;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t, int32_t, char *, int32_t) { return 0; }

}  // extern "C"
