// A plug-in for the loader tests. Every call is appended as one line to the
// file named by the environment variable KXTEST_PLUGIN_LOG, prefixed with the
// plug-in's file name without extension, so that copies of this library under
// different names can be told apart. Built without KXTEST_COMPLETE it lacks
// PIN_Func and logs its DllMain as well: the host must refuse it unused.
#include <windows.h>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include "tlx_plugin.h"

static HMODULE g_self;

static std::string BaseName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    return name.substr(0, name.find_last_of('.'));
}

static void Log(const char *format, ...) {
    char log[MAX_PATH];
    if (!GetEnvironmentVariableA("KXTEST_PLUGIN_LOG", log, sizeof log)) return;
    char line[512];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    const std::string text = BaseName() + " " + line + "\n";
    HANDLE h = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    g_self = instance;
#ifndef KXTEST_COMPLETE
    if (reason == DLL_PROCESS_ATTACH) Log("attach");
    if (reason == DLL_PROCESS_DETACH) Log("detach");
#endif
    return TRUE;
}

extern "C" {

// The window scale only where the host's record holds it.
void WINAPI PIN_SetHost(const TlxHost *host) {
    if (host && host->Size >= offsetof(TlxHost, WindowScalePercent) + sizeof host->WindowScalePercent)
        Log("SetHost %u scale %u", host->Size, host->WindowScalePercent);
    else
        Log("SetHost %u", host ? host->Size : 0u);
}

int32_t WINAPI PIN_Init(void) {
    Log("Init");
    return 0;
}

void WINAPI PIN_Quit(void) { Log("Quit"); }

int32_t WINAPI PIN_ShowAbout(HWND owner) {
    Log("ShowAbout %llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    return 77;
}

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t SettingNo, HWND owner) {
    Log("ShowSetting %d %d %llx", funcno, SettingNo, static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    return funcno * 100 + SettingNo;
}

// The name is the file's base name padded with '#' to fill all 64 bytes, so
// no terminator is left; "zero..." copies announce no functions.
int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    Log("GetInfo");
    const std::string base = BaseName();
    std::memset(info->Name, '#', sizeof info->Name);
    std::memcpy(info->Name, base.data(), base.size() < sizeof info->Name ? base.size() : sizeof info->Name);
    std::strcpy(info->Version, "1.00");
    info->IsAbout = 1;
    info->FuncCount = base.rfind("zero", 0) == 0 ? 0 : 2;
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    Log("GetFuncInfo %d", funcno);
    std::snprintf(info->Name, sizeof info->Name, "func%d", funcno);
    info->FuncNameNumMax = 2;
    info->FunctionType = funcno == 2 ? TLX_FUNC_CHECK : TLX_FUNC_ACTION;
    return 0;
}

#ifdef KXTEST_COMPLETE
int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND ActivateWnd, int32_t CallType, int32_t reserved) {
    Log("Func %d %d %llx %d %d", funcno, setno, static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(ActivateWnd)),
        CallType, reserved);
    return funcno * 1000 + setno;
}
#endif

// Setting 1 has a 256-byte name, setting 2 a short one, others none.
int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno, char *buffer, int32_t size) {
    Log("GetFuncSettingName %d %d %s %d", funcno, setno, buffer ? "buffer" : "null", size);
    std::string name;
    if (setno == 1) name = std::string("long-") + std::string(251, static_cast<char>('a' + funcno));
    if (setno == 2) name = "short";
    if (name.empty()) return 0;
    if (buffer) std::strncpy(buffer, name.c_str(), static_cast<size_t>(size));
    return static_cast<int32_t>(name.size()) < size ? static_cast<int32_t>(name.size()) : size;
}

}  // extern "C"
