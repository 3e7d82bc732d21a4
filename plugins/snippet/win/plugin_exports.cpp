// The plug-in's exports over its phrases and options.
#include <windows.h>

#include "host_services.h"
#include "module_folder.h"
#include "phrase_editor.h"
#include "phrase_store.h"
#include "plugin_clipboard.h"
#include "plugin_records.h"
#include "profile_file.h"
#include "record_text.h"
#include "snippet_functions.h"
#include "tlx_plugin.h"

using namespace tlxsnippet;

namespace {

SnippetState &State() {
    static SnippetState state;
    return state;
}

}  // namespace

extern "C" {

int32_t WINAPI PIN_Init(void) {
    SnippetState &state = State();
    state.file = PhrasesFile();
    state.book = LoadPhrases(state.file);
    state.options.Load(*tlx::PluginSettingsFile());
    return 0;
}

void WINAPI PIN_Quit(void) {
    State().paster.Quit();
    State().saver.Stop();
}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner) {
    SnippetState &state = State();
    if (funcno != 0 && funcno != kFuncPaste) return 0;
    if (!ShowPhraseEditor(tlx::OwnModule(), owner, state.book, state.options, funcno == kFuncPaste ? SettingNo : 0))
        return 0;
    state.options.Save(*tlx::PluginSettingsFile());
    PhrasesChanged(state);
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND ActivateWnd, int32_t, int32_t) {
    SnippetState &state = State();
    switch (funcno) {
        case kFuncPaste: PastePhrase(state, setno, ActivateWnd); break;
        case kFuncPick: PickPhrase(state, ActivateWnd); break;
        case kFuncRegister: RegisterClipboard(state); break;
        default: break;
    }
    return 0;
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    if (info) FillPluginInfo(*info);
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    if (info) FillFuncInfo(funcno, State().book, *info);
    return 0;
}

// Setting names cross to the host in code page 932; a character it lacks shows as its default.
int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno, char *buffer, int32_t size) {
    return tlx::CopySettingName(tlx::NarrowToAnsi(SettingName(State().book, funcno, setno)), buffer, size);
}

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
