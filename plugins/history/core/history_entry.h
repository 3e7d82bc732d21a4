// One remembered copy: what kind of content it is and its bytes as the history
// keeps them, without any Windows header.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlxhistory {

enum class EntryKind : uint8_t {
    kText = 1,   // UTF-16LE code units, no terminator
    kFiles = 2,  // UTF-16LE names, each ended by a NUL unit
    kImage = 3,  // a PNG file
};

struct HistoryEntry {
    EntryKind kind = EntryKind::kText;
    std::string data;
    uint64_t key = 0;  // ContentKey(kind, data): equal content, equal key
    bool pinned = false;
};

// A hash of kind and bytes, so that a repeated copy is found without comparing
// every entry's bytes.
uint64_t ContentKey(EntryKind kind, std::string_view data);
HistoryEntry MakeEntry(EntryKind kind, std::string data);

// Whether bytes can be an entry of that kind: text and names are whole UTF-16
// units, names each end with a NUL and there is at least one, an image is a
// PNG with its header chunk.
bool ValidEntryData(EntryKind kind, std::string_view data);

std::string BytesFromUtf16(std::u16string_view text);
std::u16string Utf16FromBytes(std::string_view bytes);   // an odd last byte is dropped
std::string FileListData(const std::vector<std::u16string> &names);
std::vector<std::u16string> FileListNames(std::string_view data);

struct ImageSize {
    uint32_t width = 0;
    uint32_t height = 0;
};
// From the PNG header chunk; nothing when the bytes are no PNG.
std::optional<ImageSize> PngSize(std::string_view png);

}  // namespace tlxhistory
