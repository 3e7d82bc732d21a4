// The plug-in's exports. State lives from PIN_Init to PIN_Quit: the settings,
// where the plug-in's files are, and the join function's kept text.
#include "tlx_plugin.h"

#include "current_copy.h"
#include "data_log.h"
#include "record_text.h"
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

constexpr tlx::FuncText kFunctions[kFunctionCount] = {
    {"テキストのみ", TLX_FUNC_ACTION, false, 1, "クリップボードデータから、テキストデータ以外を削除します。"},
    {"ファイル名取得", TLX_FUNC_ACTION, true, 1,
     "ファイルドロップ形式のコピー時、テキスト情報としてファイル名を付加します。"},
    {"HTMLタグ取得", TLX_FUNC_ACTION, false, 1, "HTMLをコピー時、テキストデータをHTMLタグに変換します。"},
    {"テキスト連結", TLX_FUNC_ACTION, true, 1,
     "前回コピーしたテキストデータと、現在コピーされているテキストデータを連結します。"},
    {"テキストクリア", TLX_FUNC_ACTION, false, 1, "『テキスト連結』機能用のメモリをクリアします。"},
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
    if (info) tlx::FillPluginRecord({"テキスト", "1.00", "テキストを操作するプラグインです。", true, kFunctionCount}, *info);
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    if (info) tlx::FillFuncRecord(kFunctions, funcno, *info);
    return 0;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t, int32_t, char *, int32_t) { return 0; }

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
