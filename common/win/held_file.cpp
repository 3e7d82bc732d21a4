#include "held_file.h"

#include <algorithm>
#include <set>

#include "file_bytes.h"
#include "host_services.h"

namespace tlx {

FileRead ReadWhenFree(const std::string &path, DWORD patienceMs) {
    const DWORD start = GetTickCount();
    for (DWORD pause = 20;; pause = std::min<DWORD>(pause * 2, 200)) {
        DWORD error = ERROR_SUCCESS;
        if (std::optional<std::string> bytes = ReadFileBytes(path, &error)) return {FileRead::Outcome::kRead, std::move(*bytes)};
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
        if (GetTickCount() - start >= patienceMs) return {FileRead::Outcome::kHeld, {}};
        Sleep(pause);
    }
}

void TellOnce(const std::string &key, const char *title, const std::string &text) {
    static std::set<std::string> told;   // the plug-in's calls all come on the program's thread
    if (!told.insert(key).second) return;
    if (!ShowHostNotice(title, text.c_str(), true))
        MessageBoxA(nullptr, text.c_str(), title, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
}

void TellNotSaved(const std::string &what, const std::string &path) {
    const std::string text = what + "を保存できませんでした。次のファイルに書き込めません:\r\n" + path;
    MessageBoxA(nullptr, text.c_str(), (what + "を保存できません").c_str(), MB_OK | MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace tlx
