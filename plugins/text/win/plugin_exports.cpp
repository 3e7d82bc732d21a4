// The eight exports the host resolves by name, over the plug-in's state: the
// settings, where the plug-in's files are, and the join function's kept text.
#include <windows.h>

#include "host_services.h"
#include "data_log.h"
#include "module_folder.h"
#include "plugin_records.h"
#include "profile_file.h"
#include "settings_dialogs.h"
#include "text_functions.h"
#include "tlx_plugin.h"

using namespace tlxtext;

namespace {

TextSettings g_settings;
PluginFiles g_files;
TextJoiner g_joiner;

}  // namespace

extern "C" {

int32_t WINAPI PIN_Init(void) {
    g_files = LocatePluginFiles();
    g_settings.Load(*tlx::PluginSettingsFile());
    g_joiner.Clear();
    if (g_settings.dataSave) RestoreSavedText(g_files);
    return 0;
}

void WINAPI PIN_Quit(void) {
    g_joiner.Clear();
    if (g_settings.dataSave) SaveClipboardText(g_files);
}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t, HWND owner) {
    if (funcno == 0)
        ShowDataSaveDialog(tlx::OwnModule(), owner, g_settings, *tlx::PluginSettingsFile());
    else if (funcno == kFuncFileNames || funcno == kFuncJoin)
        ShowSeparatorDialog(tlx::OwnModule(), owner, funcno, g_settings, *tlx::PluginSettingsFile());
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t, HWND, int32_t, int32_t) {
    switch (funcno) {
        case kFuncTextOnly: KeepTextOnly(); break;
        case kFuncFileNames: AddFileNamesAsText(g_settings.fileToTextSep); break;
        case kFuncHtmlSource: AddHtmlSourceAsText(); break;
        case kFuncJoin: JoinWithKeptText(g_joiner, g_settings); break;
        case kFuncClearJoin: g_joiner.Clear(); break;
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
