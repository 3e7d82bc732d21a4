// Shortcuts to this program: the start-up registration and the function shortcuts.
#include <shlobj.h>

#include "app_state.h"
#include "basCommonFunc.h"
#include "folder_files.h"
#include "host_dll.h"

namespace ptr {

namespace {

std::string ProgramFile() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, n);
    return App().AppPath + full.substr(full.find_last_of('\\') + 1);
}

bool CreateProgramShortcut(const std::string &link, const std::string &description, const std::string &arguments) {
    const std::string program = ProgramFile();
    return HostDll::Get().CreateShortCut(link, program, App().AppPath, program, 0, description, arguments);
}

// "" when the user has no Startup folder: then there is nowhere to register.
std::string StartupLinkPath() {
    std::string folder = GetSpecialFolder(nullptr, CSIDL_STARTUP);
    if (folder.empty()) return "";
    if (folder.back() != '\\') folder += '\\';
    return folder + kProductName + ".lnk";
}

}  // namespace

bool SetStartup(bool check, bool reg) {
    const std::string link = StartupLinkPath();
    if (check) return !link.empty() && FileExists(link);
    if (!reg) {
        if (!link.empty()) DeleteFileA(link.c_str());
        return false;
    }
    const bool created = !link.empty() &&
                         CreateProgramShortcut(link, "クリップボード内容を参照・編集するプログラムです。",
                                               App().HelpMode ? "/HelpMode" : "");
    if (created) {
        ShowMessage("スタートアップの登録に成功しました。\r\n次回より、Windows起動時に本ソフトも起動します。",
                    MB_OK | MB_ICONINFORMATION);
    } else {
        ShowMessage("スタートアップの登録に失敗しました。", MB_OK | MB_ICONWARNING);
        if (!link.empty()) DeleteFileA(link.c_str());
    }
    return created;
}

bool CreateFunctionShortcut(const std::string &linkFile, const std::string &description,
                            const std::string &arguments) {
    return CreateProgramShortcut(linkFile, description, arguments);
}

}  // namespace ptr
