#include "shortcut_reader.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace ptrtest {

ShortcutFields ReadShortcut(const std::string &file) {
    ShortcutFields f;
    const HRESULT com = CoInitialize(nullptr);
    IShellLinkA *link = nullptr;
    IPersistFile *persist = nullptr;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void **>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&persist))) &&
        SUCCEEDED(persist->Load(wide, STGM_READ))) {
        char text[1024];
        f.loaded = true;
        if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH))) f.path = text;
        if (SUCCEEDED(link->GetArguments(text, sizeof text))) f.arguments = text;
        if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text))) f.workingFolder = text;
        if (SUCCEEDED(link->GetDescription(text, sizeof text))) f.description = text;
        if (SUCCEEDED(link->GetIconLocation(text, sizeof text, &f.iconIndex))) f.iconFile = text;
    }
    if (persist) persist->Release();
    if (link) link->Release();
    if (SUCCEEDED(com)) CoUninitialize();
    return f;
}

}  // namespace ptrtest
