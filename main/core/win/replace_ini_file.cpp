#include "replace_ini_file.h"

#include <windows.h>

#include "vbIniFile.h"

namespace ptr {

bool ReplaceIniFile(const std::string &path, const std::function<void(IniStore &)> &write) {
    // A read-only file is one the user wants kept as it is (and some systems would
    // replace it all the same).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    // A fresh, empty file of a unique name: the profile functions would merge into an
    // older file left by a write that was interrupted.
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "mnu", 0, temporary)) return false;
    vbIniFile file(temporary);
    write(file);
    // The profile functions may keep writes in a cache; this hands them to the file (its
    // answer says nothing: some systems always answer false).
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, temporary);
    if (file.WriteFailed() ||
        !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return false;
    }
    return true;
}

}  // namespace ptr
