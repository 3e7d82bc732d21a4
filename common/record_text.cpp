#include "record_text.h"

#include <algorithm>
#include <cstring>

namespace tlx {

void FillPluginRecord(const PluginText &plugin, TlxPluginInfo &info) {
    std::memset(&info, 0, sizeof info);
    SetRecordField(info.Name, plugin.name);
    SetRecordField(info.Version, plugin.version);
    SetRecordField(info.Copyright, "Copyright (C) ポルテリカ");
    SetRecordField(info.Comment, plugin.comment);
    info.IsSetting = plugin.hasSetting ? 1 : 0;
    info.IsAbout = 0;
    info.FuncCount = plugin.funcCount;
}

int32_t CopySettingName(std::string_view name, char *buffer, int32_t size) {
    if (name.empty()) return 0;
    const auto length = static_cast<int32_t>(std::min<size_t>(name.size(), INT32_MAX));
    if (!buffer) return length;
    if (size <= 0) return 0;
    const int32_t copied = std::min(length, size);
    std::memcpy(buffer, name.data(), static_cast<size_t>(copied));
    if (copied < size) std::memset(buffer + copied, 0, static_cast<size_t>(size - copied));
    return copied;
}

}  // namespace tlx
