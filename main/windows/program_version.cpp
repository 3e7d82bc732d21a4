#include "program_version.h"

#include <windows.h>

#include <vector>

namespace ptr {

namespace {

ProgramVersion ReadVersion() {
    ProgramVersion v;
    char path[MAX_PATH * 2] = {};
    if (!GetModuleFileNameA(nullptr, path, sizeof path)) return v;
    DWORD ignored = 0;
    const DWORD length = GetFileVersionInfoSizeA(path, &ignored);
    if (!length) return v;
    std::vector<char> block(length);
    if (!GetFileVersionInfoA(path, 0, length, block.data())) return v;

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT size = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&fixed), &size) && fixed) {
        v.major = HIWORD(fixed->dwFileVersionMS);
        v.minor = LOWORD(fixed->dwFileVersionMS);
        v.revision = HIWORD(fixed->dwFileVersionLS);
    }
    struct Translation {
        WORD language, codePage;
    } *translations = nullptr;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translations), &size) ||
        size < sizeof(Translation))
        return v;
    char key[64];
    wsprintfA(key, "\\StringFileInfo\\%04x%04x\\LegalCopyright", translations->language, translations->codePage);
    char *text = nullptr;
    if (VerQueryValueA(block.data(), key, reinterpret_cast<void **>(&text), &size) && text) v.copyright = text;
    return v;
}

}  // namespace

const ProgramVersion &OwnVersion() {
    static const ProgramVersion version = ReadVersion();
    return version;
}

}  // namespace ptr
