// The text plug-in as the program sees it: loaded through KXDLL's Plugin_*
// proxies from its own program folder, so that every test has its own
// settings and saved text. Plus clipboard helpers that work on raw blocks.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kxdll.h"
#include "wine_support.h"

namespace texttest {

// KXDLL.dll from the release folder, with the proxies the program binds.
class HostDll {
public:
    HostDll();
    ~HostDll();
    HostDll(const HostDll &) = delete;
    HostDll &operator=(const HostDll &) = delete;
    bool Loaded() const { return module_ != nullptr; }

    decltype(&::Plugin_Init) Init = nullptr;
    decltype(&::Plugin_Quit) Quit = nullptr;
    decltype(&::Plugin_ShowAbout) ShowAbout = nullptr;
    decltype(&::Plugin_ShowSetting) ShowSetting = nullptr;
    decltype(&::Plugin_Func) Func = nullptr;
    decltype(&::Plugin_GetInfo) GetInfo = nullptr;
    decltype(&::Plugin_GetFuncInfo) GetFuncInfo = nullptr;
    decltype(&::Plugin_GetFuncSettingName) GetFuncSettingName = nullptr;

private:
    HMODULE module_ = nullptr;
};

// A program folder holding Plugins\tlxText.tlx copied from the release folder.
class ProgramFolder {
public:
    ProgramFolder();
    std::string PluginPath() const { return dir_.path + "Plugins\\tlxText.tlx"; }
    std::string DataFolder() const { return dir_.path + "Plugins\\tlxText\\"; }
    std::string SettingIni() const { return DataFolder() + "Setting.ini"; }
    std::string DataLog() const { return DataFolder() + "_datalog"; }
    // Writes Setting.ini before the plug-in is loaded.
    void WriteSettings(const std::string &iniText) const;

private:
    ptrtest::TempDir dir_;
};

// The plug-in loaded through the host; quit on destruction unless quit before.
class TextPlugin {
public:
    TextPlugin(HostDll &host, const ProgramFolder &folder);
    ~TextPlugin();
    TextPlugin(const TextPlugin &) = delete;
    TextPlugin &operator=(const TextPlugin &) = delete;
    bool Loaded() const { return id_ != KX_PLUGIN_NOT_LOADED; }
    int32_t Func(int32_t funcno) { return host_.Func(id_, funcno, 1, nullptr, TLX_CALL_MENU, 0); }
    void ShowSetting(int32_t funcno, HWND owner) { host_.ShowSetting(id_, funcno, 1, owner); }
    void Quit();
    INT_PTR Id() const { return id_; }

private:
    HostDll &host_;
    INT_PTR id_ = KX_PLUGIN_NOT_LOADED;
};

enum FunctionNumber { kTextOnly = 1, kFileNames = 2, kHtmlSource = 3, kJoin = 4, kClearJoin = 5 };

// Clipboard blocks as raw bytes.
using Block = std::pair<UINT, std::string>;
// Empties the clipboard and sets each block as given (no terminator added); owned by
// `owner` as a copying program's window owns it, or by no window.
bool PutClipboard(const std::vector<Block> &blocks, HWND owner = nullptr);
// A block's bytes within its real size; nothing when the format is absent.
std::optional<std::string> ClipboardBlock(UINT format);
std::vector<UINT> ClipboardFormats();
bool ClipboardHas(UINT format);
// CF_TEXT up to its first NUL; CF_UNICODETEXT likewise.
std::string ClipboardText();
std::u16string ClipboardUnicodeText();

UINT HtmlFormat();
// A file-list block with the names as ANSI or UTF-16 text.
std::string DropFilesBlock(const std::vector<std::string> &ansiNames);
std::string DropFilesBlockWide(const std::vector<std::u16string> &names);
// Text as a block with its terminator.
std::string WithNul(const std::string &text);

}  // namespace texttest
