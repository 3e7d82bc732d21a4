// Where a plug-in module is and where it keeps its files.
#pragma once
#include <windows.h>

#include <string>

namespace tlx {

// The module this code is linked into (the plug-in's DLL), found from an address
// inside it, so that no plug-in needs a DllMain to learn its handle.
HMODULE OwnModule();
// The module's full path, however long.
std::string ModulePath(HMODULE module);
// Its data folder (plugin_folder.h), ending in a backslash.
std::string PluginFolderOf(HMODULE module);
// Creates the folder when missing; returns whether it exists afterwards.
bool EnsureFolder(const std::string &folder);

}  // namespace tlx
