// The internet plug-in under Wine: a private program folder with the plug-in
// loaded through KXDLL's proxies, a recorder of what the shell hands to the
// browser and the mail program, and clipboard helpers.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "kxdll.h"
#include "shell_recorder.h"
#include "wine_support.h"

namespace inettest {

// Plugins\tlxInternet.tlx copied into a fresh program folder, so that each test
// has its own tlxInternet\Setting.ini, and loaded as the main program does.
class InternetPlugin {
public:
    // settingsIni, when not empty, is written as tlxInternet\Setting.ini before loading.
    explicit InternetPlugin(const std::string &settingsIni = "");
    ~InternetPlugin();
    InternetPlugin(const InternetPlugin &) = delete;
    InternetPlugin &operator=(const InternetPlugin &) = delete;

    bool Loaded() const { return id_ != KX_PLUGIN_NOT_LOADED && id_ != 0; }
    HMODULE Module() const { return GetModuleHandleA(path_.c_str()); }
    const std::string &Problem() const { return problem_; }
    int32_t Func(int32_t funcno, int32_t setno = 1);
    void ShowSetting(int32_t funcno, int32_t setno, HWND owner = nullptr);
    TlxPluginInfo Info();
    TlxFuncInfo FuncInfo(int32_t funcno);
    // The name of a numbered setting, or "(none)" when the plug-in reports none.
    std::string SettingName(int32_t funcno, int32_t setno);
    std::string SettingsFile() const { return dir_.path + "Plugins\\tlxInternet\\Setting.ini"; }
    std::string ReadSetting(const std::string &section, const std::string &key) const;

private:
    template <typename Proc>
    void Resolve(const char *name, Proc &proc);

    ptrtest::TempDir dir_;
    std::string path_;
    HMODULE kxdll_ = nullptr;
    INT_PTR id_ = KX_PLUGIN_NOT_LOADED;
    std::string problem_;
    decltype(&::Plugin_Init) init_ = nullptr;
    decltype(&::Plugin_Quit) quit_ = nullptr;
    decltype(&::Plugin_Func) func_ = nullptr;
    decltype(&::Plugin_ShowSetting) showSetting_ = nullptr;
    decltype(&::Plugin_GetFuncSettingName) settingName_ = nullptr;
    decltype(&::Plugin_GetInfo) info_ = nullptr;
    decltype(&::Plugin_GetFuncInfo) funcInfo_ = nullptr;
};

using ptrtest::ShellRecorder;

// Takes the place of the ShellExecuteW that a module imports, recording the
// address instead of opening it: Wine 8.0's shell corrupts its stack on
// addresses longer than about a thousand characters, so the long ones are
// checked where the plug-in hands them over.
class ShellExecuteSpy {
public:
    explicit ShellExecuteSpy(HMODULE module);
    ~ShellExecuteSpy();
    ShellExecuteSpy(const ShellExecuteSpy &) = delete;
    ShellExecuteSpy &operator=(const ShellExecuteSpy &) = delete;

    bool Installed() const { return slot_ != nullptr; }
    // The addresses handed over since the spy was installed, as UTF-16 and as
    // code page 932 text (the form an 8-bit address had before it was widened).
    static std::vector<std::u16string> &WideAddresses();
    static std::vector<std::string> Addresses();

private:
    void **slot_ = nullptr;
    void *original_ = nullptr;
};

// Clipboard contents set exactly as given (the block is not terminated unless the bytes are).
bool SetClipboardBlock(UINT format, const std::string &bytes);
bool SetClipboardUnicode(const std::u16string &text);
bool EmptyTheClipboard();

// Runs open() on this thread (it shows a modal dialog) and drive(dialog) on a
// second thread as soon as a dialog titled title of this process is visible.
// Returns false when no such dialog appeared within timeoutMs.
bool DriveDialog(const std::string &title, const std::function<void()> &open,
                 const std::function<void(HWND)> &drive, DWORD timeoutMs = 10000);

}  // namespace inettest
