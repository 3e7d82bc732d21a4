#include "host_dll.h"

namespace ptr {

static HostDll g_hostDll;
static bool g_loaded = false;

template <typename Fn>
static bool Resolve(HMODULE module, const char *name, Fn &target) {
    target = reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(module, name)));
    return target != nullptr;
}

bool HostDll::Load(const std::string &folder) {
    if (g_loaded) return true;
    HMODULE m = LoadLibraryA((folder + "KXDLL.dll").c_str());
    if (!m) return false;
    HostDll &d = g_hostDll;
    const bool ok = Resolve(m, "Init", d.init_) && Resolve(m, "Quit", d.quit_) &&
                    Resolve(m, "ShowAbout", d.showAbout_) &&
                    Resolve(m, "ShowMainProgramWindow", d.showMainProgramWindow_) &&
                    Resolve(m, "CallFunction", d.callFunction_) &&
                    Resolve(m, "NotifyIconControl", d.notifyIconControl_) &&
                    Resolve(m, "CreateShortCut", d.createShortCut_) && Resolve(m, "SetPluginHost", d.setPluginHost_) &&
                    Resolve(m, "Plugin_Init", d.pluginInit_) &&
                    Resolve(m, "Plugin_Quit", d.pluginQuit_) && Resolve(m, "Plugin_ShowAbout", d.pluginShowAbout_) &&
                    Resolve(m, "Plugin_ShowSetting", d.pluginShowSetting_) &&
                    Resolve(m, "Plugin_Func", d.pluginFunc_) && Resolve(m, "Plugin_GetInfo", d.pluginGetInfo_) &&
                    Resolve(m, "Plugin_GetFuncInfo", d.pluginGetFuncInfo_) &&
                    Resolve(m, "Plugin_GetFuncSettingName", d.pluginGetFuncSettingName_) &&
                    Resolve(m, "Plugin_NextFuncSetting", d.pluginNextFuncSetting_);
    if (!ok) {
        FreeLibrary(m);
        return false;
    }
    g_loaded = true;
    return true;
}

HostDll &HostDll::Get() { return g_hostDll; }

intptr_t HostDll::Init(const std::string &path) { return pluginInit_(path.c_str()); }

}  // namespace ptr
