#include "phrase_files.h"

#include <algorithm>

namespace tlxsnippet {

namespace {

constexpr std::u16string_view kPrefix = u"Phrases-";
constexpr std::u16string_view kExtension = u".txt";
constexpr size_t kStampLength = 15;   // yyyymmdd-hhmmss

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// As Windows compares file names (ASCII letters without regard to case).
bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Folded(x) == Folded(y); });
}

bool StartsWith(std::u16string_view text, std::u16string_view start) {
    return text.size() >= start.size() && SameName(text.substr(0, start.size()), start);
}

bool EndsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && SameName(text.substr(text.size() - end.size()), end);
}

bool IsStamp(std::u16string_view stamp) {
    if (stamp.size() != kStampLength) return false;
    for (size_t i = 0; i < stamp.size(); ++i)
        if (i == 8 ? stamp[i] != u'-' : (stamp[i] < u'0' || stamp[i] > u'9')) return false;
    return true;
}

}  // namespace

std::u16string OwnFileName(const std::u16string &computer) { return std::u16string(kPrefix) + computer + std::u16string(kExtension); }

bool IsPhraseFileName(std::u16string_view name) {
    return StartsWith(name, kPrefix) && EndsWith(name, kExtension) && name.size() > kPrefix.size() + kExtension.size();
}

bool IsCopyOf(std::u16string_view name, std::u16string_view own) {
    if (SameName(name, own) || !EndsWith(name, kExtension) || !EndsWith(own, kExtension)) return false;
    const std::u16string_view stem = own.substr(0, own.size() - kExtension.size());
    if (!StartsWith(name, stem)) return false;
    const std::u16string_view added = name.substr(stem.size(), name.size() - stem.size() - kExtension.size());
    if (added.size() >= 2 && added.front() == u'-') return true;   // OneDrive: "-COMPUTER"
    // Dropbox and Google Drive: " (…)".
    return added.size() >= 4 && added.substr(0, 2) == u" (" && added.back() == u')';
}

std::u16string BackupFileName(const std::u16string &computer, const std::u16string &stamp) {
    return computer + u" " + stamp + std::u16string(kExtension);
}

std::optional<BackupName> ParseBackupName(std::u16string_view name) {
    if (!EndsWith(name, kExtension) || name.size() < kStampLength + 2 + kExtension.size()) return std::nullopt;
    const std::u16string_view base = name.substr(0, name.size() - kExtension.size());
    const std::u16string_view stamp = base.substr(base.size() - kStampLength);
    if (!IsStamp(stamp) || base[base.size() - kStampLength - 1] != u' ') return std::nullopt;
    return BackupName{std::u16string(base.substr(0, base.size() - kStampLength - 1)), std::u16string(stamp)};
}

std::vector<std::u16string> BackupsToRemove(const std::vector<std::u16string> &names, const std::u16string &computer) {
    std::vector<std::pair<std::u16string, std::u16string>> own;   // stamp, name
    for (const std::u16string &name : names)
        if (const std::optional<BackupName> backup = ParseBackupName(name); backup && SameName(backup->computer, computer))
            own.emplace_back(backup->stamp, name);
    std::sort(own.begin(), own.end(), std::greater<>());
    std::vector<std::u16string> remove;
    for (size_t i = kBackupsKept; i < own.size(); ++i) remove.push_back(own[i].second);
    return remove;
}

}  // namespace tlxsnippet
