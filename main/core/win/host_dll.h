// ptrmain's binding of KXDLL.dll: the library is loaded from the program folder on the
// first call and stays loaded for the life of the process; exports are found by name.
#pragma once
#include <windows.h>

#include <string>

#include "kxdll.h"
#include "plugin_proxy.h"

namespace ptr {

class HostDll : public PluginProxy {
public:
    // Loads the library (once); false when it or one of its exports is missing.
    static bool Load(const std::string &folder);
    static HostDll &Get();

    HWND Init(KxHostCallback callback) { return init_(callback); }
    void Quit() { quit_(); }
    void ShowAbout(HWND owner) { showAbout_(owner); }
    void ShowMainProgramWindow() { showMainProgramWindow_(); }
    void CallFunction(int32_t type, const std::string &option) { callFunction_(type, option.c_str()); }
    void NotifyIconControl(int32_t op, INT_PTR value, INT_PTR extra) { notifyIconControl_(op, value, extra); }
    bool CreateShortCut(const std::string &link, const std::string &target, const std::string &workDir,
                        const std::string &iconFile, int32_t iconIndex, const std::string &description,
                        const std::string &arguments) {
        return createShortCut_(link.c_str(), target.c_str(), workDir.c_str(), iconFile.c_str(), iconIndex,
                               description.c_str(), arguments.c_str()) != 0;
    }

    void SetPluginHost(const TlxHost &host) { setPluginHost_(&host); }
    intptr_t Init(const std::string &path) override;
    void Quit(intptr_t id) override { pluginQuit_(id); }
    int32_t ShowAbout(intptr_t id, WindowHandle owner) override {
        return pluginShowAbout_(id, static_cast<HWND>(owner));
    }
    int32_t ShowSetting(intptr_t id, int32_t funcno, int32_t setno, WindowHandle owner) override {
        return pluginShowSetting_(id, funcno, setno, static_cast<HWND>(owner));
    }
    int32_t Func(intptr_t id, int32_t funcno, int32_t setno, WindowHandle activateWnd, int32_t callType) override {
        return pluginFunc_(id, funcno, setno, static_cast<HWND>(activateWnd), callType, 0);
    }
    void GetInfo(intptr_t id, TlxPluginInfo &info) override { pluginGetInfo_(id, &info); }
    void GetFuncInfo(intptr_t id, int32_t funcno, TlxFuncInfo &info) override {
        pluginGetFuncInfo_(id, funcno, &info);
    }
    int32_t GetFuncSettingName(intptr_t id, int32_t funcno, int32_t setno, char *buffer, int32_t size) override {
        return pluginGetFuncSettingName_(id, funcno, setno, buffer, size);
    }
    int32_t NextFuncSetting(intptr_t id, int32_t funcno, int32_t after) override {
        return pluginNextFuncSetting_(id, funcno, after);
    }

private:
    decltype(&::Init) init_ = nullptr;
    decltype(&::Quit) quit_ = nullptr;
    decltype(&::ShowAbout) showAbout_ = nullptr;
    decltype(&::ShowMainProgramWindow) showMainProgramWindow_ = nullptr;
    decltype(&::CallFunction) callFunction_ = nullptr;
    decltype(&::NotifyIconControl) notifyIconControl_ = nullptr;
    decltype(&::CreateShortCut) createShortCut_ = nullptr;
    decltype(&::SetPluginHost) setPluginHost_ = nullptr;
    decltype(&::Plugin_Init) pluginInit_ = nullptr;
    decltype(&::Plugin_Quit) pluginQuit_ = nullptr;
    decltype(&::Plugin_ShowAbout) pluginShowAbout_ = nullptr;
    decltype(&::Plugin_ShowSetting) pluginShowSetting_ = nullptr;
    decltype(&::Plugin_Func) pluginFunc_ = nullptr;
    decltype(&::Plugin_GetInfo) pluginGetInfo_ = nullptr;
    decltype(&::Plugin_GetFuncInfo) pluginGetFuncInfo_ = nullptr;
    decltype(&::Plugin_GetFuncSettingName) pluginGetFuncSettingName_ = nullptr;
    decltype(&::Plugin_NextFuncSetting) pluginNextFuncSetting_ = nullptr;
};

}  // namespace ptr
