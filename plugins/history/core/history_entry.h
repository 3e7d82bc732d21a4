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

// A formatted form a text copy came with, as the copying program placed it: the
// registered name of its clipboard format and its bytes up to their terminator.
struct EntryForm {
    std::string name;
    std::string data;
    bool operator==(const EntryForm &other) const { return name == other.name && data == other.data; }
};

inline constexpr std::string_view kHtmlForm = "HTML Format";
inline constexpr std::string_view kRichTextForm = "Rich Text Format";
// The forms a text entry keeps, in the order they go back on the clipboard.
inline constexpr std::string_view kKeptForms[] = {kHtmlForm, kRichTextForm};

struct HistoryEntry {
    EntryKind kind = EntryKind::kText;
    std::string data;
    std::vector<EntryForm> forms;   // a text's formatted forms; none for other kinds
    uint64_t key = 0;  // ContentKey(kind, data, forms): equal content, equal key
    bool pinned = false;
    int64_t copiedAt = 0;   // when last copied or used, in seconds since 1970 (UTC); 0: not known
};

// A hash of kind, bytes and forms, so that a repeated copy is found without
// comparing every entry's bytes.
uint64_t ContentKey(EntryKind kind, std::string_view data, const std::vector<EntryForm> &forms = {});
HistoryEntry MakeEntry(EntryKind kind, std::string data, std::vector<EntryForm> forms = {});
bool SameContent(const HistoryEntry &a, const HistoryEntry &b);
// What the entry weighs against the size limit: its bytes and its forms' bytes.
size_t EntrySize(const HistoryEntry &entry);
// The entry as its text alone, its forms dropped.
HistoryEntry WithoutForms(HistoryEntry entry);

// Whether bytes can be an entry of that kind: text and names are whole UTF-16
// units, names each end with a NUL and there is at least one, an image is a
// PNG with its header chunk.
bool ValidEntryData(EntryKind kind, std::string_view data);
// Whether the forms can be an entry's: only a text has any, each a kept one,
// once, with bytes.
bool ValidEntryForms(EntryKind kind, const std::vector<EntryForm> &forms);

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
