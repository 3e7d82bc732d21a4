// A plug-in's Setting.ini in memory for the Linux tests of the settings models: each
// section kept as the block GetPrivateProfileSectionA hands over and read through
// ini::IniSection as the real file is (quotes dropped, numbers parsed as the system
// does); written key by key as WritePrivateProfileStringA writes, the value as given.
#pragma once
#include <map>
#include <optional>
#include <string>

#include "ini_section.h"
#include "profile_store.h"

namespace ptrtest {

class MemoryProfile : public tlx::ProfileStore {
public:
    // block: "key=value\0key=value\0...", as a hand-edited file would hold it.
    void SetSection(const std::string &section, std::string block) { sections_[section] = std::move(block); }

    // The value as it stands in the file, before reading drops its quotes.
    std::optional<std::string> Stored(const std::string &section, const std::string &key) const {
        const auto it = sections_.find(section);
        if (it == sections_.end()) return std::nullopt;
        const size_t at = Find(it->second, key);
        if (at == std::string::npos) return std::nullopt;
        const size_t value = at + key.size() + 1;
        return it->second.substr(value, it->second.find('\0', value) - value);
    }

    std::string ReadText(const std::string &section, const std::string &key, const std::string &fallback) override {
        return Section(section).Text(key, fallback, kBuffer);
    }
    int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) override {
        return Section(section).Number(key, fallback);
    }
    void WriteText(const std::string &section, const std::string &key, const std::string &value) override {
        std::string &block = sections_[section];
        const std::string entry = key + "=" + value + '\0';
        const size_t at = Find(block, key);
        if (at == std::string::npos) block += entry;
        else block.replace(at, EntryEnd(block, at) - at, entry);
    }

private:
    // As into a buffer larger than any field a plug-in keeps.
    static constexpr size_t kBuffer = 10240;

    ini::IniSection Section(const std::string &section) const {
        const auto it = sections_.find(section);
        return it == sections_.end() ? ini::IniSection() : ini::IniSection(it->second);
    }
    // Where the entry of key starts in block; keys written here are matched exactly.
    static size_t Find(const std::string &block, const std::string &key) {
        const std::string head = key + "=";
        for (size_t at = 0; at < block.size(); at = EntryEnd(block, at))
            if (block.compare(at, head.size(), head) == 0) return at;
        return std::string::npos;
    }
    // Just past the entry that starts at `at` and its terminator.
    static size_t EntryEnd(const std::string &block, size_t at) {
        const size_t end = block.find('\0', at);
        return end == std::string::npos ? block.size() : end + 1;
    }

    std::map<std::string, std::string> sections_;
};

}  // namespace ptrtest
