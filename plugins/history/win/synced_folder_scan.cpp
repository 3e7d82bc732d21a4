#include "synced_folder_scan.h"

#include <windows.h>

#include <sddl.h>

#include "module_folder.h"

namespace tlxhistory {

namespace {

using Wide = std::wstring;

std::u16string U16(const Wide &text) { return std::u16string(text.begin(), text.end()); }

// A variable of the environment; nothing when it is not set.
std::optional<Wide> Environment(const wchar_t *name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<Wide>(Wide());
    Wide value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// A text value of a registry key; "" when there is none.
Wide RegistryText(HKEY root, const Wide &key, const wchar_t *name) {
    DWORD type = 0, size = 0;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, &type, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return {};
    Wide value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, &type, value.data(), &size) != ERROR_SUCCESS) return {};
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

std::vector<Wide> Subkeys(HKEY root, const Wide &key) {
    std::vector<Wide> names;
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(opened, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(opened);
    return names;
}

void Add(std::vector<SyncedFolder> &folders, const char16_t *client, const Wide &folder) {
    if (!folder.empty()) folders.push_back({client, U16(folder)});
}

void OneDrive(std::vector<SyncedFolder> &folders) {
    for (const wchar_t *name : {L"OneDrive", L"OneDriveConsumer", L"OneDriveCommercial"})
        Add(folders, u"OneDrive", Environment(name).value_or(Wide()));
    const Wide accounts = L"Software\\Microsoft\\OneDrive\\Accounts";
    for (const Wide &account : Subkeys(HKEY_CURRENT_USER, accounts))   // Personal, Business1, ...
        Add(folders, u"OneDrive", RegistryText(HKEY_CURRENT_USER, accounts + L"\\" + account, L"UserFolder"));
    // Libraries of SharePoint and Teams that OneDrive syncs.
    const Wide libraries = L"Software\\SyncEngines\\Providers\\OneDrive";
    for (const Wide &library : Subkeys(HKEY_CURRENT_USER, libraries))
        Add(folders, u"OneDrive", RegistryText(HKEY_CURRENT_USER, libraries + L"\\" + library, L"MountPoint"));
}

void Dropbox(std::vector<SyncedFolder> &folders) {
    // Its accounts' folders ("personal", "business") as "path" members of info.json.
    for (const wchar_t *base : {L"APPDATA", L"LOCALAPPDATA"}) {
        const std::optional<Wide> folder = Environment(base);
        if (!folder || folder->empty()) continue;
        const Wide path = *folder + L"\\Dropbox\\info.json";
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        char json[64 * 1024];
        DWORD read = 0;
        const bool ok = ReadFile(file, json, sizeof json, &read, nullptr);
        CloseHandle(file);
        if (!ok) continue;
        for (std::u16string &path : JsonStringMembers(std::string_view(json, read), "path"))
            folders.push_back({u"Dropbox", std::move(path)});
    }
}

void GoogleDrive(std::vector<SyncedFolder> &folders) {
    // Its drive's letter or folder, as the user chose it or per account.
    const Wide key = L"Software\\Google\\DriveFS";
    const Wide chosen = RegistryText(HKEY_CURRENT_USER, key, L"DefaultMountPoint");
    if (!chosen.empty()) folders.push_back({u"Google Drive", FolderOfMountPoint(U16(chosen))});
    const Wide accounts = RegistryText(HKEY_CURRENT_USER, key, L"PerAccountPreferences");
    const int size = WideCharToMultiByte(CP_UTF8, 0, accounts.c_str(), static_cast<int>(accounts.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string json(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, accounts.c_str(), static_cast<int>(accounts.size()), json.data(), size, nullptr,
                        nullptr);
    for (const std::u16string &mount : JsonStringMembers(json, "mount_point_path"))
        folders.push_back({u"Google Drive", FolderOfMountPoint(mount)});
}

// The user's security identifier as text ("S-1-5-21-...").
Wide UserSid() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    Wide sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::string buffer(size, '\0');
    wchar_t *text = nullptr;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

// The folders that clients registered with Windows as sync roots, under keys named
// "client!SID!account", each folder a value named by the user's SID.
void RegisteredSyncRoots(std::vector<SyncedFolder> &folders) {
    const Wide roots = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SyncRootManager";
    const std::vector<Wide> keys = Subkeys(HKEY_LOCAL_MACHINE, roots);
    if (keys.empty()) return;
    const Wide sid = UserSid();
    if (sid.empty()) return;
    for (const Wide &key : keys) {
        const Wide folder = RegistryText(HKEY_LOCAL_MACHINE, roots + L"\\" + key + L"\\UserSyncRoots", sid.c_str());
        if (!folder.empty()) folders.push_back({U16(key.substr(0, key.find(L'!'))), U16(folder)});
    }
}

// The path as the folders are compared with it: whole, in long names, upper case.
std::u16string Comparable(const std::u16string &path) {
    Wide full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(reinterpret_cast<const wchar_t *>(path.c_str()), MAX_PATH, full.data(), nullptr);
    full.resize(length && length < MAX_PATH ? length : 0);
    if (full.empty()) full = Wide(path.begin(), path.end());
    Wide longer(MAX_PATH, L'\0');
    length = GetLongPathNameW(full.c_str(), longer.data(), MAX_PATH);
    if (length && length < MAX_PATH) full.assign(longer.c_str(), length);
    CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    return U16(full);
}

}  // namespace

std::vector<SyncedFolder> ScanSyncedFolders() {
    if (const std::optional<Wide> list = Environment(L"PORTERICA_TEST_SYNCED_FOLDERS"))
        return ParseSyncedFolderList(U16(*list));
    std::vector<SyncedFolder> folders;
    OneDrive(folders);
    Dropbox(folders);
    GoogleDrive(folders);
    RegisteredSyncRoots(folders);
    return folders;
}

std::optional<std::u16string> SyncClientOfPluginFolder() {
    std::vector<SyncedFolder> folders = ScanSyncedFolders();
    if (folders.empty()) return std::nullopt;
    for (SyncedFolder &synced : folders) synced.folder = Comparable(synced.folder);
    wchar_t module[MAX_PATH];
    const DWORD length = GetModuleFileNameW(tlx::OwnModule(), module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    const SyncedFolder *found = FolderHolding(folders, Comparable(std::u16string(module, module + length)));
    return found ? std::optional<std::u16string>(found->client) : std::nullopt;
}

}  // namespace tlxhistory
