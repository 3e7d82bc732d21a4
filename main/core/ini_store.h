// Key-by-key access to one INI file, in the program's value forms:
//   text     the text itself
//   number   decimal, " 5" with one leading blank when not negative, "-1" when negative
//   boolean  " 1" / " 0"; any nonzero number reads as true
// A missing key reads as the default. Implemented over the Windows profile
// functions by vbIniFile; portable code takes this interface.
#pragma once
#include <cstdint>
#include <string>

namespace ptr {

class IniStore {
public:
    virtual ~IniStore() = default;
    virtual std::string GetText(const std::string &section, const std::string &key,
                                const std::string &def) const = 0;
    virtual int32_t GetNumber(const std::string &section, const std::string &key, int32_t def) const = 0;
    virtual void SetText(const std::string &section, const std::string &key, const std::string &value) = 0;

    bool GetBool(const std::string &section, const std::string &key, bool def) const {
        return GetNumber(section, key, def ? 1 : 0) != 0;
    }
    void SetNumber(const std::string &section, const std::string &key, int32_t value);
    void SetBool(const std::string &section, const std::string &key, bool value) {
        SetNumber(section, key, value ? 1 : 0);
    }
};

// " 5", " 0", "-1".
std::string FormatIniNumber(int32_t value);
// Key of entry n of a numbered list: "001Function", ..., "999Key", "1000Key".
std::string NumberedKey(int n, const std::string &name);
// How a stored text reads as a number: its leading decimal integer (sign allowed,
// blanks skipped), 0 when it starts with none, saturated to 32 bits.
int32_t ParseIniNumber(const std::string &text);

}  // namespace ptr
