// The plug-in's exports over its phrases and options.
#include <windows.h>

#include "host_services.h"
#include "plugin_clipboard.h"
#include "plugin_records.h"
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
    OpenPhrases(State());
    return 0;
}

void WINAPI PIN_Quit(void) {
    State().paster.Quit();
    State().library.Close();
}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner) {
    if (funcno == 0 || funcno == kFuncPaste) EditPhrases(State(), owner, funcno == kFuncPaste ? SettingNo : 0);
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
    if (info) FillFuncInfo(funcno, State().library.Settings(), *info);
    return 0;
}

// Setting names cross to the host in code page 932; a character it lacks shows as its default.
int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno, char *buffer, int32_t size) {
    return tlx::CopySettingName(tlx::NarrowToAnsi(SettingName(State().library.Settings(), funcno, setno)), buffer, size);
}

int32_t WINAPI PIN_NextFuncSetting(int32_t funcno, int32_t after) {
    return NextSetting(State().library.Settings(), funcno, after);
}

void WINAPI PIN_SetHost(const TlxHost *host) { tlx::UseHost(host); }

}  // extern "C"
