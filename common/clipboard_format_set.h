// The formats of the clipboard as one listing gives them (the placed ones), with
// the formats the system makes from them on request, which IsClipboardFormatAvailable
// reports as present too: one call to the system instead of one per format asked.
#pragma once
#include <cstdint>
#include <vector>

namespace tlx {

class ClipboardFormatSet {
public:
    explicit ClipboardFormatSet(std::vector<uint32_t> placed);
    bool Contains(uint32_t format) const;
    const std::vector<uint32_t> &Formats() const { return formats_; }

private:
    std::vector<uint32_t> formats_;   // sorted, each once
};

}  // namespace tlx
