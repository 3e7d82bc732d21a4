// Where a plug-in keeps its files: a folder named after the plug-in file, beside it.
#pragma once
#include <string>
#include <string_view>

namespace tlx {

// "C:\表\Plugins\tlxText.tlx" gives "C:\表\Plugins\tlxText\". The path is
// code page 932, so a backslash byte inside a two-byte character is no separator.
std::string PluginDataFolder(std::string_view modulePath);

}  // namespace tlx
