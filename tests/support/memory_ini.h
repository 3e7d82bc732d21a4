// An in-memory IniStore for the Linux tests, reading like the profile functions:
// sections and keys compare case-insensitively, a missing key gives the default,
// numbers read as their leading decimal integer.
#pragma once
#include <map>
#include <string>

#include "ini_store.h"
#include "text_util.h"

namespace ptrtest {

class MemoryIni : public ptr::IniStore {
public:
    std::string GetText(const std::string &section, const std::string &key, const std::string &def) const override {
        auto s = data_.find(section);
        if (s == data_.end()) return def;
        auto k = s->second.find(key);
        return k == s->second.end() ? def : k->second;
    }
    int32_t GetNumber(const std::string &section, const std::string &key, int32_t def) const override {
        const std::string text = GetText(section, key, "");
        return text.empty() ? def : ptr::ParseIniNumber(text);
    }
    void SetText(const std::string &section, const std::string &key, const std::string &value) override {
        data_[section][key] = value;
    }
    bool Has(const std::string &section, const std::string &key) const {
        auto s = data_.find(section);
        return s != data_.end() && s->second.count(key);
    }
    size_t KeyCount(const std::string &section) const {
        auto s = data_.find(section);
        return s == data_.end() ? 0 : s->second.size();
    }

private:
    struct NoCase {
        bool operator()(const std::string &a, const std::string &b) const { return ptr::CompareNoCase(a, b) < 0; }
    };
    std::map<std::string, std::map<std::string, std::string, NoCase>, NoCase> data_;
};

}  // namespace ptrtest
