// Key-by-key access to a plug-in's INI file; missing keys give the default. No
// Windows header: the settings models are tested on Linux against stores in memory.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "sjis_text.h"

namespace tlx {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::string ReadText(const std::string &section, const std::string &key,
                                 const std::string &fallback) = 0;
    virtual int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) = 0;
    virtual void WriteText(const std::string &section, const std::string &key, const std::string &value) = 0;

    // Decimal, without quotes.
    void WriteNumber(const std::string &section, const std::string &key, int32_t value) {
        WriteText(section, key, std::to_string(value));
    }
    // Blanks at either end of a value are part of it ("> "); the profile functions drop
    // them unless the value is quoted, and drop the quotes when reading.
    void WriteQuoted(const std::string &section, const std::string &key, const std::string &value) {
        WriteText(section, key, '"' + value + '"');
    }
};

// A numbered section or setting name from a format with one %d ("Replace%02d").
inline std::string NumberedName(const char *format, int number) {
    char name[64];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

// Cuts a text to what a dialog field and the file hold, never inside a character.
inline void CutToBytes(std::string &text, size_t maxBytes) { text.resize(sjis::SjisPrefix(text, maxBytes).size()); }

}  // namespace tlx
