// Plug-in loader and the proxies that forward to a plug-in's exports by id.
#include "plugin_table.h"

#include <vector>

#include "kxdll.h"
#include "tlx_plugin.h"

namespace kx {

namespace {

struct PluginEntry {
    HMODULE module;  // doubles as the plug-in id
    TlxInitProc init;
    TlxQuitProc quit;
    TlxShowAboutProc showAbout;
    TlxShowSettingProc showSetting;
    TlxGetInfoProc getInfo;
    TlxGetFuncInfoProc getFuncInfo;
    TlxGetFuncSettingNameProc getFuncSettingName;
    TlxFuncProc func;
    TlxSetHostProc setHost;   // optional
    TlxNextFuncSettingProc nextFuncSetting;   // optional
};

std::vector<PluginEntry> g_plugins;
const TlxHost *g_host = nullptr;

template <typename Proc>
bool Resolve(HMODULE module, const char *name, Proc *proc) {
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
    return *proc != nullptr;
}

bool ResolveAll(HMODULE module, PluginEntry *entry) {
    entry->module = module;
    return Resolve(module, "PIN_Init", &entry->init) && Resolve(module, "PIN_Quit", &entry->quit) &&
           Resolve(module, "PIN_ShowAbout", &entry->showAbout) &&
           Resolve(module, "PIN_ShowSetting", &entry->showSetting) &&
           Resolve(module, "PIN_GetInfo", &entry->getInfo) &&
           Resolve(module, "PIN_GetFuncInfo", &entry->getFuncInfo) &&
           Resolve(module, "PIN_GetFuncSettingName", &entry->getFuncSettingName) &&
           Resolve(module, "PIN_Func", &entry->func);
}

// A copy of the first entry with that id: a plug-in call may change the table.
bool Find(INT_PTR id, PluginEntry *entry) {
    for (const PluginEntry &e : g_plugins) {
        if (reinterpret_cast<INT_PTR>(e.module) == id) {
            *entry = e;
            return true;
        }
    }
    return false;
}

// Loading a broken file must not make the system show an error box.
HMODULE LoadQuietly(const char *path) {
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    HMODULE module = LoadLibraryA(path);
    SetThreadErrorMode(oldMode, nullptr);
    return module;
}

void QuitAndFree(const PluginEntry &entry) {
    entry.quit();
    FreeLibrary(entry.module);
}

}  // namespace

void PluginTableShutdown() {
    while (!g_plugins.empty()) {
        const PluginEntry entry = g_plugins.front();
        g_plugins.erase(g_plugins.begin());
        QuitAndFree(entry);
    }
}

}  // namespace kx

using kx::PluginEntry;

extern "C" void WINAPI SetPluginHost(const TlxHost *host) { kx::g_host = host; }

extern "C" INT_PTR WINAPI Plugin_Init(const char *path) {
    if (!path) return KX_PLUGIN_NOT_LOADED;
    HMODULE module = kx::LoadQuietly(path);
    if (!module) return KX_PLUGIN_NOT_LOADED;
    PluginEntry entry;
    // A library without the whole interface is not a plug-in: none of its code runs.
    if (!kx::ResolveAll(module, &entry)) {
        FreeLibrary(module);
        return KX_PLUGIN_NOT_LOADED;
    }
    // A plug-in written before the host's services has no PIN_SetHost.
    kx::Resolve(module, "PIN_SetHost", &entry.setHost);
    kx::Resolve(module, "PIN_NextFuncSetting", &entry.nextFuncSetting);
    if (entry.setHost && kx::g_host) entry.setHost(kx::g_host);
    entry.init();
    kx::g_plugins.push_back(entry);
    return reinterpret_cast<INT_PTR>(module);
}

extern "C" int32_t WINAPI Plugin_Quit(INT_PTR id) {
    for (auto it = kx::g_plugins.begin(); it != kx::g_plugins.end(); ++it) {
        if (reinterpret_cast<INT_PTR>(it->module) == id) {
            const PluginEntry entry = *it;
            kx::g_plugins.erase(it);
            kx::QuitAndFree(entry);
            return 1;
        }
    }
    return 0;
}

extern "C" int32_t WINAPI Plugin_ShowAbout(INT_PTR id, HWND owner) {
    PluginEntry entry;
    return kx::Find(id, &entry) ? entry.showAbout(owner) : 0;
}

extern "C" int32_t WINAPI Plugin_ShowSetting(INT_PTR id, int32_t funcno, int32_t SettingNo, HWND owner) {
    PluginEntry entry;
    return kx::Find(id, &entry) ? entry.showSetting(funcno, SettingNo, owner) : 0;
}

extern "C" int32_t WINAPI Plugin_Func(INT_PTR id, int32_t funcno, int32_t setno, HWND ActivateWnd,
                                      int32_t CallType, int32_t reserved) {
    PluginEntry entry;
    return kx::Find(id, &entry) ? entry.func(funcno, setno, ActivateWnd, CallType, reserved) : 0;
}

// The record buffers are required; a null one would only make the plug-in crash.
extern "C" int32_t WINAPI Plugin_GetInfo(INT_PTR id, TlxPluginInfo *info) {
    PluginEntry entry;
    return info && kx::Find(id, &entry) ? entry.getInfo(info) : 0;
}

extern "C" int32_t WINAPI Plugin_GetFuncInfo(INT_PTR id, int32_t funcno, TlxFuncInfo *info) {
    PluginEntry entry;
    return info && kx::Find(id, &entry) ? entry.getFuncInfo(funcno, info) : 0;
}

// A null name buffer is part of the plug-in interface (length only) and is passed on.
extern "C" int32_t WINAPI Plugin_GetFuncSettingName(INT_PTR id, int32_t funcno, int32_t setno, char *buffer,
                                                    int32_t size) {
    PluginEntry entry;
    return kx::Find(id, &entry) ? entry.getFuncSettingName(funcno, setno, buffer, size) : 0;
}

extern "C" int32_t WINAPI Plugin_NextFuncSetting(INT_PTR id, int32_t funcno, int32_t after) {
    PluginEntry entry;
    if (!kx::Find(id, &entry)) return 0;
    return entry.nextFuncSetting ? entry.nextFuncSetting(funcno, after) : -1;
}
