#include "plugin_folder.h"

#include "sjis_text.h"

namespace tlx {

std::string PluginDataFolder(std::string_view modulePath) {
    const size_t slash = sjis::FindLastSjisChar(modulePath, "\\");
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    std::string_view name = modulePath.substr(nameStart);
    const size_t dot = sjis::FindLastSjisChar(name, ".");
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(modulePath.substr(0, nameStart)) + std::string(name) + "\\";
}

}  // namespace tlx
