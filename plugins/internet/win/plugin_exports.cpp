// The eight exports the host resolves by name, over the plug-in's state.
#include <windows.h>

#include "current_copy.h"
#include "host_services.h"
#include "module_folder.h"
#include "plugin_actions.h"
#include "plugin_records.h"
#include "profile_file.h"
#include "record_text.h"
#include "search_dialog.h"
#include "search_settings.h"
#include "tlx_plugin.h"

using namespace tlxinet;

namespace {

SearchSettings g_settings;

}  // namespace

extern "C" {

int32_t WINAPI PIN_Init(void) {
    g_settings.Load(*tlx::PluginSettingsFile());
    return 0;
}

void WINAPI PIN_Quit(void) {}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner) {
    if (funcno == kFuncKeywordSearch)
        ShowSearchSettingDialog(tlx::OwnModule(), owner, g_settings, SettingNo, *tlx::PluginSettingsFile());
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND, int32_t CallType, int32_t) {
    if (!IsSearchSettingNumber(setno)) return 0;
    // A private copy (a password) never goes to the browser, the mail program or a
    // search by itself: watching sees no address in it; only an explicit request acts.
    const bool unattended = CallType == TLX_CALL_CHECK || CallType == TLX_CALL_WATCH;
    if (unattended && tlx::CurrentCopy()->isPrivate) return 0;
    switch (funcno) {
        case kFuncOpenUrl: OpenCopiedUrl(); return 0;
        case kFuncSendMail: MailToCopiedAddress(); return 0;
        case kFuncKeywordSearch: SearchCopiedKeyword(*g_settings.Find(setno)); return 0;
        case kFuncIsUrl: return ClipboardHoldsUrl() ? 1 : 0;
        case kFuncIsMailAddress: return ClipboardHoldsMailAddress() ? 1 : 0;
        default: return 0;
    }
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
