#include "change_formats.h"

#include <algorithm>

namespace ptr {

namespace {

// The predefined formats the system converts into each other on request.
constexpr uint32_t kText = 1, kOemText = 7, kUnicodeText = 13, kLocale = 16;
constexpr uint32_t kBitmap = 2, kDib = 8, kDibV5 = 17;
constexpr uint32_t kMetafilePict = 3, kEnhMetafile = 14;
const std::vector<std::vector<uint32_t>> kConvertible = {
    {kText, kOemText, kUnicodeText}, {kBitmap, kDib, kDibV5}, {kMetafilePict, kEnhMetafile}};

bool Contains(const std::vector<uint32_t> &formats, uint32_t format) {
    return std::find(formats.begin(), formats.end(), format) != formats.end();
}

}  // namespace

ChangeFormats::ChangeFormats(ClipboardFormats &system, std::optional<std::vector<uint32_t>> listed)
    : system_(system), listed_(std::move(listed)) {
    if (!listed_) return;
    const std::vector<uint32_t> placed = *listed_;
    for (const auto &group : kConvertible)
        if (std::any_of(group.begin(), group.end(), [&](uint32_t f) { return Contains(placed, f); }))
            listed_->insert(listed_->end(), group.begin(), group.end());
    // A text without a locale of its own gets the one it was copied in.
    if (Contains(*listed_, kText)) listed_->push_back(kLocale);
    std::sort(listed_->begin(), listed_->end());
    listed_->erase(std::unique(listed_->begin(), listed_->end()), listed_->end());
}

bool ChangeFormats::IsAvailable(int32_t id) const {
    if (id == 0) return false;   // no format, and a name nothing could register
    if (listed_) return std::binary_search(listed_->begin(), listed_->end(), static_cast<uint32_t>(id));
    const auto [known, added] = asked_.try_emplace(id, false);
    if (added) known->second = system_.IsAvailable(id);
    return known->second;
}

}  // namespace ptr
