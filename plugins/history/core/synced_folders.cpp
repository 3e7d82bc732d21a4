#include "synced_folders.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "unicode_text.h"

namespace tlxhistory {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Walks a JSON text's strings, telling member names from values by the colon after them.
class JsonStrings {
public:
    explicit JsonStrings(std::string_view json) : json_(json) {}

    // The next string, its opening quote at or after the position; nothing at the end or
    // when a string is not closed.
    std::optional<std::u16string> Next() {
        while (at_ < json_.size() && json_[at_] != '"') ++at_;
        if (at_ == json_.size()) return std::nullopt;
        ++at_;
        std::u16string text;
        std::string raw;   // UTF-8 bytes since the last escape
        auto flush = [&] {
            text += utf::Utf16FromUtf8(raw);
            raw.clear();
        };
        while (at_ < json_.size()) {
            const char c = json_[at_++];
            if (c == '"') {
                flush();
                return text;
            }
            if (c != '\\') {
                raw += c;
                continue;
            }
            if (at_ == json_.size()) break;
            const char escaped = json_[at_++];
            flush();
            switch (escaped) {
            case 'b': text += u'\b'; break;
            case 'f': text += u'\f'; break;
            case 'n': text += u'\n'; break;
            case 'r': text += u'\r'; break;
            case 't': text += u'\t'; break;
            case 'u': text += Unit(); break;
            default: text += static_cast<char16_t>(static_cast<unsigned char>(escaped)); break;   // " \ /
            }
        }
        return std::nullopt;
    }

    // Whether a colon follows the string just read (it was a member's name).
    bool NamesAMember() {
        while (at_ < json_.size() && IsBlank(json_[at_])) ++at_;
        if (at_ == json_.size() || json_[at_] != ':') return false;
        ++at_;
        while (at_ < json_.size() && IsBlank(json_[at_])) ++at_;
        return true;
    }
    bool ValueIsString() const { return at_ < json_.size() && json_[at_] == '"'; }

private:
    // The unit of "\uXXXX" (the pair of a character beyond U+FFFF comes as two).
    char16_t Unit() {
        uint32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = at_ < json_.size() ? HexValue(json_[at_]) : -1;
            if (digit < 0) return u'\uFFFD';
            unit = unit * 16 + static_cast<uint32_t>(digit);
            ++at_;
        }
        return static_cast<char16_t>(unit);
    }

    std::string_view json_;
    size_t at_ = 0;
};

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// The path as compared: "\" for "/", no "\\?\" prefix, no last separator, ASCII letters upper case.
std::u16string Comparable(std::u16string_view path) {
    constexpr std::u16string_view kLongPrefix = u"\\\\?\\";
    if (path.substr(0, kLongPrefix.size()) == kLongPrefix) path.remove_prefix(kLongPrefix.size());
    while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
    std::u16string out;
    out.reserve(path.size());
    for (char16_t c : path) {
        if (c == u'/') c = u'\\';
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        out += c;
    }
    return out;
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<std::u16string> JsonStringMembers(std::string_view json, std::string_view name) {
    const std::u16string wanted = utf::Utf16FromUtf8(name);
    std::vector<std::u16string> values;
    JsonStrings strings(json);
    while (const std::optional<std::u16string> text = strings.Next()) {
        if (!strings.NamesAMember() || *text != wanted || !strings.ValueIsString()) continue;
        if (std::optional<std::u16string> value = strings.Next()) values.push_back(std::move(*value));
    }
    return values;
}

std::u16string FolderOfMountPoint(std::u16string_view mountPoint) {
    const bool letter = !mountPoint.empty() && ((mountPoint[0] >= u'A' && mountPoint[0] <= u'Z') ||
                                                (mountPoint[0] >= u'a' && mountPoint[0] <= u'z'));
    if (letter && (mountPoint.size() == 1 || (mountPoint.size() == 2 && mountPoint[1] == u':')))
        return std::u16string(1, mountPoint[0]) + u":\\";
    return std::u16string(mountPoint);
}

std::vector<SyncedFolder> ParseSyncedFolderList(std::u16string_view list) {
    std::vector<SyncedFolder> folders;
    while (!list.empty()) {
        const size_t end = std::min(list.find(u';'), list.size());
        const std::u16string_view item = list.substr(0, end);
        list.remove_prefix(std::min(end + 1, list.size()));
        const size_t equals = item.find(u'=');
        if (equals == std::u16string_view::npos) continue;
        const std::u16string_view client = Trimmed(item.substr(0, equals)), folder = Trimmed(item.substr(equals + 1));
        if (!client.empty() && !folder.empty()) folders.push_back({std::u16string(client), std::u16string(folder)});
    }
    return folders;
}

const SyncedFolder *FolderHolding(const std::vector<SyncedFolder> &folders, std::u16string_view path) {
    const std::u16string inside = Comparable(path);
    for (const SyncedFolder &synced : folders) {
        const std::u16string folder = Comparable(synced.folder);
        if (folder.empty() || inside.compare(0, folder.size(), folder) != 0) continue;
        if (inside.size() == folder.size() || inside[folder.size()] == u'\\') return &synced;
    }
    return nullptr;
}

}  // namespace tlxhistory
