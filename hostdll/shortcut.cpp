// CreateShortCut: writes a shell link (.lnk) through the shell's link object.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "kxdll.h"

namespace {

const char *OrEmpty(const char *text) { return text ? text : ""; }

// Sets every field and saves; the caller owns COM initialisation.
bool SaveLink(const wchar_t *linkPath, const char *target, const char *workingFolder, const char *iconFile,
              int32_t iconIndex, const char *description, const char *arguments) {
    IShellLinkA *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void **>(&link))))
        return false;
    link->SetPath(OrEmpty(target));
    link->SetIconLocation(OrEmpty(iconFile), iconIndex);
    link->SetArguments(OrEmpty(arguments));
    link->SetDescription(OrEmpty(description));
    link->SetWorkingDirectory(OrEmpty(workingFolder));
    bool saved = false;
    IPersistFile *file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
        saved = SUCCEEDED(file->Save(linkPath, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

}  // namespace

extern "C" int32_t WINAPI CreateShortCut(const char *linkFile, const char *target, const char *workingFolder,
                                         const char *iconFile, int32_t iconIndex, const char *description,
                                         const char *arguments) {
    // A path that does not fit is refused rather than saved somewhere shorter.
    wchar_t linkPath[MAX_PATH];
    if (!linkFile || !*linkFile ||
        !MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkFile, -1, linkPath, MAX_PATH))
        return 0;
    const HRESULT com = CoInitialize(nullptr);
    const bool saved = SaveLink(linkPath, target, workingFolder, iconFile, iconIndex, description, arguments);
    if (SUCCEEDED(com)) CoUninitialize();
    return saved ? 1 : 0;
}
