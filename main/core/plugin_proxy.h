// The host DLL's plug-in proxies as the plug-in classes use them. The Windows build
// forwards to KXDLL's Plugin_* exports; tests supply their own plug-ins.
#pragma once
#include <cstdint>
#include <string>

#include "tlx_records.h"

namespace ptr {

using WindowHandle = void *;   // an HWND, kept opaque so this layer needs no Windows header
inline constexpr intptr_t kPluginNotLoaded = -1;

class PluginProxy {
public:
    virtual ~PluginProxy() = default;
    virtual intptr_t Init(const std::string &path) = 0;   // plug-in id, or kPluginNotLoaded
    virtual void Quit(intptr_t id) = 0;
    virtual int32_t ShowAbout(intptr_t id, WindowHandle owner) = 0;
    virtual int32_t ShowSetting(intptr_t id, int32_t funcno, int32_t setno, WindowHandle owner) = 0;
    virtual int32_t Func(intptr_t id, int32_t funcno, int32_t setno, WindowHandle activateWnd,
                         int32_t callType) = 0;
    virtual void GetInfo(intptr_t id, TlxPluginInfo &info) = 0;
    virtual void GetFuncInfo(intptr_t id, int32_t funcno, TlxFuncInfo &info) = 0;
    virtual int32_t GetFuncSettingName(intptr_t id, int32_t funcno, int32_t setno, char *buffer,
                                       int32_t size) = 0;
    // The next setting above `after` of a function that lists its settings, 0 after the
    // last; -1 when its settings are 1 .. FuncNameNumMax.
    virtual int32_t NextFuncSetting(intptr_t id, int32_t funcno, int32_t after) { return -1; }
};

}  // namespace ptr
