// A plug-in for the end-to-end tests, observed from outside. Beside itself it keeps
//   <name>.log  one line per PIN_Func call: "Func <funcno> <setno> <CallType> <ActivateWnd, hex>",
//               followed by " <the clipboard's text>" with [Probe] ClipboardText = 1,
//               and per settings call: "Setting <funcno> <setno> <owner, hex>"
//   <name>.look one line per PIN_Func call: what the host's LookAtCopy answered,
//               "none" or "current private=<0|1>" ("stale" for a look at another copy)
//   <name>.ini  [Probe] Name = display name, and what the information record offers:
//               Comment, Copyright, URL, Mail, About = 1 (an about box);
//               [Verdict] <funcno> = what a check answers;
//               [SettingName] <funcno>.<setno> = a setting's name (default S<setno>)
// where <name> is its own file name without extension, so copies under other names are
// independent plug-ins.
//   1 Record   action: only records the call
//   2 CheckA   check:  answers [Verdict] 2
//   3 CheckB   check:  answers [Verdict] 3
//   4 Rewrite  action: puts "rewritten" on the clipboard
//   5 Choose   action with the settings S1, S2, S3 and a settings dialog
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "probe_functions.h"
#include "tlx_plugin.h"

static HMODULE g_self;
static const TlxHost *g_host;

static std::string SelfBase() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, MAX_PATH);
    const std::string full = path;
    return full.substr(0, full.find_last_of('.'));
}

static void Append(const char *extension, const std::string &line) {
    const std::string text = line + "\r\n";
    HANDLE h = CreateFileA((SelfBase() + extension).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

static void Log(const std::string &line) { Append(".log", line); }

static void LogLook() {
    const TlxCopyLook *look = g_host ? g_host->LookAtCopy() : nullptr;
    if (!look) return Append(".look", "none");
    const char *which = look->Sequence == GetClipboardSequenceNumber() ? "current" : "stale";
    Append(".look", std::string(which) + " private=" + (look->IsPrivate ? "1" : "0"));
}

// A value of section [Probe] of <name>.ini.
static std::string ProbeText(const char *key, const std::string &fallback) {
    char value[1024] = {};
    GetPrivateProfileStringA("Probe", key, fallback.c_str(), value, sizeof value, (SelfBase() + ".ini").c_str());
    return value;
}

// The clipboard's text; others (Wine's X bridge) may hold the clipboard for a moment.
static std::string ClipboardText() {
    std::string text;
    for (int attempt = 0; attempt < 200 && !OpenClipboard(nullptr); ++attempt) Sleep(10);
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char *p = static_cast<const char *>(GlobalLock(data))) text.assign(p, strnlen(p, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

static void PutText(const char *text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        std::memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

static const probe::FunctionInfo kFunctions[] = {
    {"Record", TLX_FUNC_ACTION, 1}, {"CheckA", TLX_FUNC_CHECK, 1}, {"CheckB", TLX_FUNC_CHECK, 1},
    {"Rewrite", TLX_FUNC_ACTION, 1}, {"Choose", TLX_FUNC_ACTION, 3},
};
constexpr int32_t kFunctionCount = sizeof kFunctions / sizeof kFunctions[0];

BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    g_self = instance;
    return TRUE;
}

extern "C" {

void WINAPI PIN_SetHost(const TlxHost *host) { g_host = host; }
int32_t WINAPI PIN_Init(void) { return 0; }
void WINAPI PIN_Quit(void) {}
// The about box: a message box owned by the caller's window, titled with the name.
int32_t WINAPI PIN_ShowAbout(HWND owner) {
    char line[64];
    std::snprintf(line, sizeof line, "About %llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    Log(line);
    MessageBoxA(owner, "probe about", ProbeText("Name", "probe").c_str(), MB_OK);
    return 0;
}

int32_t WINAPI PIN_ShowSetting(int32_t funcno, int32_t setno, HWND owner) {
    char line[96];
    std::snprintf(line, sizeof line, "Setting %d %d %llx", funcno, setno,
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    Log(line);
    return 0;
}

int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND activateWnd, int32_t callType, int32_t) {
    char line[96];
    std::snprintf(line, sizeof line, "Func %d %d %d %llx", funcno, setno, callType,
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(activateWnd)));
    Log(ProbeText("ClipboardText", "0") == "1" ? line + (" " + ClipboardText()) : line);
    LogLook();
    if (funcno == 4) PutText("rewritten");
    if (funcno < 1 || funcno > kFunctionCount || kFunctions[funcno - 1].type != TLX_FUNC_CHECK) return 0;
    return static_cast<int32_t>(GetPrivateProfileIntA("Verdict", std::to_string(funcno).c_str(), 0,
                                                      (SelfBase() + ".ini").c_str()));
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    const std::string base = SelfBase();
    probe::CopyField(info->Name, sizeof info->Name, ProbeText("Name", base.substr(base.find_last_of('\\') + 1)).c_str());
    probe::CopyField(info->Version, sizeof info->Version, "1.0");
    probe::CopyField(info->Comment, sizeof info->Comment, ProbeText("Comment", "").c_str());
    probe::CopyField(info->Copyright, sizeof info->Copyright, ProbeText("Copyright", "").c_str());
    probe::CopyField(info->URL, sizeof info->URL, ProbeText("URL", "").c_str());
    probe::CopyField(info->Mail, sizeof info->Mail, ProbeText("Mail", "").c_str());
    info->IsAbout = ProbeText("About", "0") == "1" ? 1 : 0;
    info->FuncCount = kFunctionCount;
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    const int32_t result = probe::FillFuncInfo(kFunctions, funcno, info);
    info->IsSetting = funcno == 5;
    return result;
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno, char *buffer, int32_t size) {
    const probe::FunctionInfo *f = probe::FindFunction(kFunctions, funcno);
    if (!f || f->settings == 1) return 0;
    char name[64] = {};
    GetPrivateProfileStringA("SettingName", (std::to_string(funcno) + "." + std::to_string(setno)).c_str(),
                             ("S" + std::to_string(setno)).c_str(), name, sizeof name, (SelfBase() + ".ini").c_str());
    if (buffer) std::strncpy(buffer, name, size);
    return static_cast<int32_t>(std::strlen(name));
}

}  // extern "C"
