// An INI file given as bytes, read into a store the way the profile functions read a
// file: "[section]" lines, "key=value" lines with blanks around key and value dropped,
// the first of two equal keys winning, anything else ignored. Sections and keys compare
// case-insensitively (the store's own rule).
#pragma once
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ini_store.h"

namespace ptrfuzz {

void ReadIniText(std::string_view text, ptr::IniStore &into);

// A store that keeps every write in order, to compare what two saves wrote.
class WriteLog : public ptr::IniStore {
public:
    std::string GetText(const std::string &, const std::string &, const std::string &def) const override { return def; }
    int32_t GetNumber(const std::string &, const std::string &, int32_t def) const override { return def; }
    void SetText(const std::string &section, const std::string &key, const std::string &value) override {
        writes.emplace_back(section, key, value);
    }
    // The writes replayed into another store.
    void ReplayInto(ptr::IniStore &store) const;

    std::vector<std::tuple<std::string, std::string, std::string>> writes;
};

}  // namespace ptrfuzz
