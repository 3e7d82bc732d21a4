#include "record_text.h"

#include <algorithm>
#include <cstring>

namespace tlx {

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
