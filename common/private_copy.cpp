#include "private_copy.h"

#include <cstdint>
#include <cstring>

namespace tlx {

namespace {
bool ForbidsBy(const std::optional<std::string> &dwordMark) {
    uint32_t value = 0;
    if (!dwordMark || dwordMark->size() < sizeof value) return false;
    std::memcpy(&value, dwordMark->data(), sizeof value);
    return value == 0;
}
}  // namespace

bool IsPrivateCopy(const PrivacyMarks &marks) {
    return marks.excludeFromMonitor || marks.viewerIgnore || ForbidsBy(marks.canIncludeInHistory) ||
           ForbidsBy(marks.canUploadToCloud);
}

}  // namespace tlx
