#include "history_entry.h"

#include <algorithm>
#include <iterator>

namespace tlxhistory {

namespace {
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr size_t kPngHeaderEnd = 24;   // signature, chunk length and type, width, height

uint32_t BigEndian32(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
}  // namespace

uint64_t ContentKey(EntryKind kind, std::string_view data, const std::vector<EntryForm> &forms) {
    // FNV-1a over the kind and the bytes, then each form's name, a NUL, its length and
    // its bytes: the length keeps a form's bytes from passing for the next form's name.
    uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    mix(static_cast<unsigned char>(kind));
    for (char c : data) mix(static_cast<unsigned char>(c));
    for (const EntryForm &form : forms) {
        for (char c : form.name) mix(static_cast<unsigned char>(c));
        mix(0);
        for (size_t size = form.data.size(), i = 0; i < sizeof size; ++i, size >>= 8)
            mix(static_cast<unsigned char>(size & 0xFF));
        for (char c : form.data) mix(static_cast<unsigned char>(c));
    }
    return hash;
}

HistoryEntry MakeEntry(EntryKind kind, std::string data, std::vector<EntryForm> forms) {
    HistoryEntry entry;
    entry.kind = kind;
    entry.key = ContentKey(kind, data, forms);
    entry.data = std::move(data);
    entry.forms = std::move(forms);
    return entry;
}

bool SameContent(const HistoryEntry &a, const HistoryEntry &b) {
    return a.key == b.key && a.kind == b.kind && a.data == b.data && a.forms == b.forms;
}

size_t EntrySize(const HistoryEntry &entry) {
    size_t size = entry.data.size();
    for (const EntryForm &form : entry.forms) size += form.data.size();
    return size;
}

HistoryEntry WithoutForms(HistoryEntry entry) {
    if (entry.forms.empty()) return entry;
    entry.forms.clear();
    entry.key = ContentKey(entry.kind, entry.data);
    return entry;
}

bool ValidEntryData(EntryKind kind, std::string_view data) {
    switch (kind) {
    case EntryKind::kText:
        return data.size() % 2 == 0;
    case EntryKind::kFiles:
        return !data.empty() && data.size() % 2 == 0 && data[data.size() - 2] == '\0' &&
               data[data.size() - 1] == '\0';
    case EntryKind::kImage:
        return PngSize(data).has_value();
    }
    return false;
}

bool ValidEntryForms(EntryKind kind, const std::vector<EntryForm> &forms) {
    if (forms.empty()) return true;
    if (kind != EntryKind::kText) return false;
    for (size_t i = 0; i < forms.size(); ++i) {
        const EntryForm &form = forms[i];
        if (form.data.empty() || std::find(std::begin(kKeptForms), std::end(kKeptForms), form.name) == std::end(kKeptForms))
            return false;
        for (size_t j = 0; j < i; ++j)
            if (forms[j].name == form.name) return false;
    }
    return true;
}

std::string BytesFromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::u16string Utf16FromBytes(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}

std::string FileListData(const std::vector<std::u16string> &names) {
    std::string data;
    for (const std::u16string &name : names) data += BytesFromUtf16(name) + std::string(2, '\0');
    return data;
}

std::vector<std::u16string> FileListNames(std::string_view data) {
    std::vector<std::u16string> names;
    const std::u16string units = Utf16FromBytes(data);
    size_t start = 0;
    for (size_t end; (end = units.find(u'\0', start)) != std::u16string::npos; start = end + 1)
        names.push_back(units.substr(start, end - start));
    return names;
}

std::optional<ImageSize> PngSize(std::string_view png) {
    if (png.size() < kPngHeaderEnd || png.substr(0, kPngSignature.size()) != kPngSignature ||
        png.substr(12, 4) != "IHDR")
        return std::nullopt;
    return ImageSize{BigEndian32(png, 16), BigEndian32(png, 20)};
}

}  // namespace tlxhistory
