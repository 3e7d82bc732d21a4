// Where the plug-in keeps its files: a folder named after the plug-in file.
#pragma once
#include <string>
#include <string_view>

namespace tlxinet {

// "C:\表\Plugins\tlxInternet.tlx" gives "C:\表\Plugins\tlxInternet\". The path is
// code page 932, so a backslash byte inside a two-byte character is no separator.
std::string PluginDataFolder(std::string_view modulePath);

}  // namespace tlxinet
