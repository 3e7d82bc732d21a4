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

PrivacyMarks MarksFrom(const std::vector<MarkBlock> &present, const PrivacyFormatIds &ids) {
    PrivacyMarks marks;
    for (const MarkBlock &mark : present) {
        if (mark.format == ids.excludeFromMonitor) marks.excludeFromMonitor = true;
        if (mark.format == ids.viewerIgnore) marks.viewerIgnore = true;
        if (mark.format == ids.canIncludeInHistory) marks.canIncludeInHistory = mark.data;
        if (mark.format == ids.canUploadToCloud) marks.canUploadToCloud = mark.data;
    }
    return marks;
}

bool IsPrivateCopy(const PrivacyMarks &marks) {
    return marks.excludeFromMonitor || marks.viewerIgnore || ForbidsBy(marks.canIncludeInHistory) ||
           ForbidsBy(marks.canUploadToCloud);
}

}  // namespace tlx
