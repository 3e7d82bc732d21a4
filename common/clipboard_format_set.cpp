#include "clipboard_format_set.h"

#include <algorithm>

namespace tlx {

namespace {

// The predefined formats the system converts into each other on request.
constexpr uint32_t kText = 1, kOemText = 7, kUnicodeText = 13, kLocale = 16;
constexpr uint32_t kBitmap = 2, kDib = 8, kDibV5 = 17;
constexpr uint32_t kMetafilePict = 3, kEnhMetafile = 14;
const std::vector<std::vector<uint32_t>> kConvertible = {
    {kText, kOemText, kUnicodeText}, {kBitmap, kDib, kDibV5}, {kMetafilePict, kEnhMetafile}};

bool Lists(const std::vector<uint32_t> &formats, uint32_t format) {
    return std::find(formats.begin(), formats.end(), format) != formats.end();
}

}  // namespace

ClipboardFormatSet::ClipboardFormatSet(std::vector<uint32_t> placed) : formats_(std::move(placed)) {
    const std::vector<uint32_t> listed = formats_;
    for (const auto &group : kConvertible)
        if (std::any_of(group.begin(), group.end(), [&](uint32_t f) { return Lists(listed, f); }))
            formats_.insert(formats_.end(), group.begin(), group.end());
    // A text without a locale of its own gets the one it was copied in.
    if (Lists(formats_, kText)) formats_.push_back(kLocale);
    std::sort(formats_.begin(), formats_.end());
    formats_.erase(std::unique(formats_.begin(), formats_.end()), formats_.end());
}

bool ClipboardFormatSet::Contains(uint32_t format) const {
    return std::binary_search(formats_.begin(), formats_.end(), format);
}

}  // namespace tlx
