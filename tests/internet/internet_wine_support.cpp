#include "internet_wine_support.h"

#include <atomic>
#include <thread>

namespace inettest {

template <typename Proc>
void InternetPlugin::Resolve(const char *name, Proc &proc) {
    proc = reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(kxdll_, name)));
}

InternetPlugin::InternetPlugin(const std::string &settingsIni) {
    const std::string plugins = dir_.path + "Plugins\\";
    CreateDirectoryA(plugins.c_str(), nullptr);
    path_ = plugins + "tlxInternet.tlx";
    if (!ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\tlxInternet.tlx", path_)) {
        problem_ = "cannot copy the plug-in from " + ptrtest::DistDir();
        return;
    }
    if (!settingsIni.empty()) {
        CreateDirectoryA((plugins + "tlxInternet").c_str(), nullptr);
        ptrtest::WriteFileBytes(SettingsFile(), settingsIni);
    }
    kxdll_ = LoadLibraryA((ptrtest::DistDir() + "KXDLL.dll").c_str());
    if (!kxdll_) {
        problem_ = "cannot load KXDLL.dll";
        return;
    }
    Resolve("Plugin_Init", init_);
    Resolve("Plugin_Quit", quit_);
    Resolve("Plugin_Func", func_);
    Resolve("Plugin_ShowSetting", showSetting_);
    Resolve("Plugin_GetFuncSettingName", settingName_);
    Resolve("Plugin_GetInfo", info_);
    Resolve("Plugin_GetFuncInfo", funcInfo_);
    if (!init_ || !quit_ || !func_ || !showSetting_ || !settingName_ || !info_ || !funcInfo_) {
        problem_ = "KXDLL.dll lacks a Plugin_ proxy";
        return;
    }
    id_ = init_(path_.c_str());
    if (!Loaded()) problem_ = "Plugin_Init failed for " + path_;
}

InternetPlugin::~InternetPlugin() {
    if (Loaded()) quit_(id_);
    if (kxdll_) FreeLibrary(kxdll_);
}

int32_t InternetPlugin::Func(int32_t funcno, int32_t setno) {
    return func_(id_, funcno, setno, nullptr, TLX_CALL_MENU, 0);
}

void InternetPlugin::ShowSetting(int32_t funcno, int32_t setno, HWND owner) {
    showSetting_(id_, funcno, setno, owner);
}

TlxPluginInfo InternetPlugin::Info() {
    TlxPluginInfo info = {};
    info_(id_, &info);
    return info;
}

TlxFuncInfo InternetPlugin::FuncInfo(int32_t funcno) {
    TlxFuncInfo info = {};
    funcInfo_(id_, funcno, &info);
    return info;
}

std::string InternetPlugin::SettingName(int32_t funcno, int32_t setno) {
    char buffer[TLX_SETTING_NAME_SIZE] = {};
    const int32_t length = settingName_(id_, funcno, setno, buffer, sizeof buffer);
    return length ? std::string(buffer, length) : "(none)";
}

std::string InternetPlugin::ReadSetting(const std::string &section, const std::string &key) const {
    char value[4096] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "(missing)", value, sizeof value, SettingsFile().c_str());
    return value;
}

namespace {

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
    ShellExecuteSpy::WideAddresses().push_back(file ? reinterpret_cast<const char16_t *>(file) : u"(null)");
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

// The import address table entry through which module calls dll!function.
void **ImportSlot(HMODULE module, const char *dll, const char *function) {
    auto *base = reinterpret_cast<BYTE *>(module);
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress); imp->Name;
         ++imp) {
        if (lstrcmpiA(reinterpret_cast<const char *>(base + imp->Name), dll) != 0) continue;
        auto *names = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + imp->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto *byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char *>(byName->Name), function) == 0)
                return reinterpret_cast<void **>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void WriteSlot(void **slot, void *value) {
    DWORD former = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &former);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, former, &former);
}

}  // namespace

ShellExecuteSpy::ShellExecuteSpy(HMODULE module) {
    WideAddresses().clear();
    if (!module || !(slot_ = ImportSlot(module, "SHELL32.dll", "ShellExecuteW"))) return;
    original_ = *slot_;
    WriteSlot(slot_, reinterpret_cast<void *>(&RecordShellExecute));
}

ShellExecuteSpy::~ShellExecuteSpy() {
    if (slot_) WriteSlot(slot_, original_);
}

std::vector<std::u16string> &ShellExecuteSpy::WideAddresses() {
    static std::vector<std::u16string> addresses;
    return addresses;
}

std::vector<std::string> ShellExecuteSpy::Addresses() {
    std::vector<std::string> narrow;
    for (const std::u16string &address : WideAddresses()) {
        const auto *wide = reinterpret_cast<const wchar_t *>(address.data());
        const int length = static_cast<int>(address.size());
        std::string text(WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide, length, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
        narrow.push_back(text);
    }
    return narrow;
}

namespace {

bool OpenClipboardRetrying() {
    for (int i = 0; i < 100; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

bool PutOnClipboard(UINT format, const void *data, size_t size) {
    if (!OpenClipboardRetrying()) return false;
    EmptyClipboard();
    bool ok = false;
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1)) {
        if (size) memcpy(GlobalLock(mem), data, size);
        GlobalUnlock(mem);
        ok = SetClipboardData(format, mem) != nullptr;
        if (!ok) GlobalFree(mem);
    }
    CloseClipboard();
    return ok;
}

}  // namespace

bool SetClipboardBlock(UINT format, const std::string &bytes) {
    return PutOnClipboard(format, bytes.data(), bytes.size());
}

bool SetClipboardUnicode(const std::u16string &text) {
    return PutOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

bool EmptyTheClipboard() {
    if (!OpenClipboardRetrying()) return false;
    const bool ok = EmptyClipboard() != 0;
    CloseClipboard();
    return ok;
}

namespace {

struct DialogSearch {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<DialogSearch *>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[64] = {};
    char title[256] = {};
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, title, sizeof title);
    if (pid == GetCurrentProcessId() && IsWindowVisible(window) && std::string(cls) == "#32770" &&
        search->title == title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool DriveDialog(const std::string &title, const std::function<void()> &open,
                 const std::function<void(HWND)> &drive, DWORD timeoutMs) {
    std::atomic<bool> found{false};
    std::atomic<bool> opened{false};
    std::thread driver([&] {
        const DWORD start = GetTickCount();
        DialogSearch search{title};
        while (!opened && GetTickCount() - start < timeoutMs) {
            EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                found = true;
                drive(search.found);
                return;
            }
            Sleep(20);
        }
    });
    open();
    opened = true;
    driver.join();
    return found;
}

}  // namespace inettest
