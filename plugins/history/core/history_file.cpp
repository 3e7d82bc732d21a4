#include "history_file.h"

#include <array>

namespace tlxhistory {

namespace {
constexpr std::string_view kSignature("PTRHIST\0", 8);
constexpr uint32_t kFirstVersion = 1;   // entries without forms
constexpr uint32_t kFirstTimedVersion = 3;   // entries with the time they were copied
constexpr uint8_t kPinnedFlag = 1;
constexpr size_t kEntryHeader = 1 + 1 + 4;   // kind, flags, length (and a time from version 3)
constexpr size_t kTimeSize = 8;
constexpr size_t kFormHeader = 1 + 4;        // name length, length

void PutU32(std::string &out, uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
    out.append(bytes, sizeof bytes);
}

void PutI64(std::string &out, int64_t value) {
    const uint64_t bits = static_cast<uint64_t>(value);
    PutU32(out, static_cast<uint32_t>(bits & 0xFFFFFFFFu));
    PutU32(out, static_cast<uint32_t>(bits >> 32));
}

// Reads forward through the file, refusing to run past its end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    size_t Left() const { return bytes_.size() - at_; }
    bool U8(uint8_t &value) {
        if (Left() < 1) return false;
        value = static_cast<uint8_t>(bytes_[at_++]);
        return true;
    }
    bool U32(uint32_t &value) {
        if (Left() < 4) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[at_ + i])) << (8 * i);
        at_ += 4;
        return true;
    }
    bool I64(int64_t &value) {
        uint32_t low = 0, high = 0;
        if (!U32(low) || !U32(high)) return false;
        value = static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
        return true;
    }
    bool Bytes(size_t count, std::string_view &value) {
        if (Left() < count) return false;
        value = bytes_.substr(at_, count);
        at_ += count;
        return true;
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

std::array<uint32_t, 256> CrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

bool KnownKind(uint8_t kind) {
    return kind == static_cast<uint8_t>(EntryKind::kText) || kind == static_cast<uint8_t>(EntryKind::kFiles) ||
           kind == static_cast<uint8_t>(EntryKind::kImage);
}
// An entry's forms: their count, then each as name length, name, length and bytes.
bool ReadForms(Reader &reader, std::vector<EntryForm> &forms) {
    uint8_t count = 0;
    if (!reader.U8(count)) return false;
    for (uint8_t i = 0; i < count; ++i) {
        uint8_t nameLength = 0;
        uint32_t length = 0;
        std::string_view name, data;
        if (!reader.U8(nameLength) || !reader.Bytes(nameLength, name) || !reader.U32(length) ||
            !reader.Bytes(length, data))
            return false;
        forms.push_back({std::string(name), std::string(data)});
    }
    return true;
}
}  // namespace

bool OfEarlierVersion(std::string_view file) {
    Reader reader(file);
    std::string_view signature;
    uint32_t version = 0;
    return reader.Bytes(kSignature.size(), signature) && reader.U32(version) && version < kHistoryFileVersion;
}

uint32_t Crc32(std::string_view bytes) {
    static const std::array<uint32_t, 256> table = CrcTable();
    uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) crc = table[(crc ^ static_cast<uint8_t>(c)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::string SerializeHistory(const std::vector<HistoryEntry> &entries) {
    // Sized once: a full history is megabytes, grown a piece at a time it is copied over and over.
    size_t size = kSignature.size() + 4 + 4 + 4;
    for (const HistoryEntry &entry : entries) {
        size += kEntryHeader + kTimeSize + entry.data.size() + 1;
        for (const EntryForm &form : entry.forms) size += kFormHeader + form.name.size() + form.data.size();
    }
    std::string out;
    out.reserve(size);
    out += kSignature;
    PutU32(out, kHistoryFileVersion);
    PutU32(out, static_cast<uint32_t>(entries.size()));
    for (const HistoryEntry &entry : entries) {
        out += static_cast<char>(entry.kind);
        out += static_cast<char>(entry.pinned ? kPinnedFlag : 0);
        PutI64(out, entry.copiedAt);
        PutU32(out, static_cast<uint32_t>(entry.data.size()));
        out += entry.data;
        out += static_cast<char>(entry.forms.size());
        for (const EntryForm &form : entry.forms) {
            out += static_cast<char>(form.name.size());
            out += form.name;
            PutU32(out, static_cast<uint32_t>(form.data.size()));
            out += form.data;
        }
    }
    PutU32(out, Crc32(out));
    return out;
}

std::optional<std::vector<HistoryEntry>> ParseHistory(std::string_view file) {
    if (file.size() < kSignature.size() + 12) return std::nullopt;
    const std::string_view body = file.substr(0, file.size() - 4);
    Reader checksum(file.substr(body.size()));
    uint32_t storedCrc = 0;
    if (!checksum.U32(storedCrc) || storedCrc != Crc32(body)) return std::nullopt;

    Reader reader(body);
    std::string_view signature;
    uint32_t version = 0, count = 0;
    if (!reader.Bytes(kSignature.size(), signature) || signature != kSignature || !reader.U32(version) ||
        version < kFirstVersion || version > kHistoryFileVersion || !reader.U32(count) ||
        count > reader.Left() / kEntryHeader)
        return std::nullopt;
    std::vector<HistoryEntry> entries;
    entries.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t kind = 0, flags = 0;
        uint32_t length = 0;
        int64_t copiedAt = 0;
        std::string_view data;
        if (!reader.U8(kind) || !KnownKind(kind) || !reader.U8(flags) || (flags & ~kPinnedFlag) ||
            (version >= kFirstTimedVersion && !reader.I64(copiedAt)) ||
            !reader.U32(length) || !reader.Bytes(length, data) ||
            !ValidEntryData(static_cast<EntryKind>(kind), data))
            return std::nullopt;
        std::vector<EntryForm> forms;
        if (version > kFirstVersion && !ReadForms(reader, forms)) return std::nullopt;
        if (!ValidEntryForms(static_cast<EntryKind>(kind), forms)) return std::nullopt;
        HistoryEntry entry = MakeEntry(static_cast<EntryKind>(kind), std::string(data), std::move(forms));
        entry.pinned = flags & kPinnedFlag;
        entry.copiedAt = copiedAt;
        entries.push_back(std::move(entry));
    }
    if (reader.Left() != 0) return std::nullopt;
    return entries;
}

}  // namespace tlxhistory
