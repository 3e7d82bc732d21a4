#include "text_plugin_host.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace texttest {

template <typename Proc>
static void Resolve(HMODULE module, const char *name, Proc *proc) {
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

HostDll::HostDll() {
    module_ = LoadLibraryA((ptrtest::DistDir() + "KXDLL.dll").c_str());
    if (!module_) return;
    Resolve(module_, "Plugin_Init", &Init);
    Resolve(module_, "Plugin_Quit", &Quit);
    Resolve(module_, "Plugin_ShowAbout", &ShowAbout);
    Resolve(module_, "Plugin_ShowSetting", &ShowSetting);
    Resolve(module_, "Plugin_Func", &Func);
    Resolve(module_, "Plugin_GetInfo", &GetInfo);
    Resolve(module_, "Plugin_GetFuncInfo", &GetFuncInfo);
    Resolve(module_, "Plugin_GetFuncSettingName", &GetFuncSettingName);
    if (!Init || !Quit || !ShowAbout || !ShowSetting || !Func || !GetInfo || !GetFuncInfo || !GetFuncSettingName) {
        FreeLibrary(module_);
        module_ = nullptr;
    }
}

HostDll::~HostDll() {
    if (module_) FreeLibrary(module_);
}

ProgramFolder::ProgramFolder() {
    CreateDirectoryA((dir_.path + "Plugins").c_str(), nullptr);
    ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\tlxText.tlx", PluginPath());
}

void ProgramFolder::WriteSettings(const std::string &iniText) const {
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    ptrtest::WriteFileBytes(SettingIni(), iniText);
}

TextPlugin::TextPlugin(HostDll &host, const ProgramFolder &folder) : host_(host) {
    if (host_.Loaded()) id_ = host_.Init(folder.PluginPath().c_str());
}

TextPlugin::~TextPlugin() { Quit(); }

void TextPlugin::Quit() {
    if (Loaded()) host_.Quit(id_);
    id_ = KX_PLUGIN_NOT_LOADED;
}

static bool OpenClipboardRetrying(HWND owner) {
    return ptrtest::PumpUntil([owner] { return OpenClipboard(owner) != FALSE; }, 2000);
}

bool PutClipboard(const std::vector<Block> &blocks, HWND owner) {
    if (!OpenClipboardRetrying(owner)) return false;
    EmptyClipboard();
    bool ok = true;
    for (const auto &[format, bytes] : blocks) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (!memory) {
            ok = false;
            continue;
        }
        if (!bytes.empty()) {
            std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
            GlobalUnlock(memory);
        }
        if (!SetClipboardData(format, memory)) {
            GlobalFree(memory);
            ok = false;
        }
    }
    CloseClipboard();
    return ok;
}

std::optional<std::string> ClipboardBlock(UINT format) {
    if (!ptrtest::OpenClipboardToRead()) return std::nullopt;
    std::optional<std::string> bytes;
    if (HANDLE handle = GetClipboardData(format)) {
        bytes.emplace();
        if (const char *data = static_cast<const char *>(GlobalLock(handle))) {
            bytes->assign(data, GlobalSize(handle));
            GlobalUnlock(handle);
        }
    }
    CloseClipboard();
    return bytes;
}

std::vector<UINT> ClipboardFormats() {
    std::vector<UINT> formats;
    if (!ptrtest::OpenClipboardToRead()) return formats;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        formats.push_back(format);
    CloseClipboard();
    return formats;
}

bool ClipboardHas(UINT format) {
    const auto formats = ClipboardFormats();
    return std::find(formats.begin(), formats.end(), format) != formats.end();
}

std::string ClipboardText() {
    std::string text = ClipboardBlock(CF_TEXT).value_or("");
    return text.substr(0, text.find('\0'));
}

std::u16string ClipboardUnicodeText() {
    const std::string bytes = ClipboardBlock(CF_UNICODETEXT).value_or("");
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text.substr(0, text.find(u'\0'));
}

UINT HtmlFormat() { return RegisterClipboardFormatA("HTML Format"); }

static std::string DropFilesHeader(bool wide) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = wide;
    return std::string(reinterpret_cast<const char *>(&header), sizeof header);
}

std::string DropFilesBlock(const std::vector<std::string> &ansiNames) {
    std::string block = DropFilesHeader(false);
    for (const auto &name : ansiNames) block += name + '\0';
    return block + '\0';
}

std::string DropFilesBlockWide(const std::vector<std::u16string> &names) {
    std::string block = DropFilesHeader(true);
    for (const auto &name : names)
        block.append(reinterpret_cast<const char *>(name.c_str()), (name.size() + 1) * 2);
    return block + std::string(2, '\0');
}

std::string WithNul(const std::string &text) { return text + '\0'; }

}  // namespace texttest
