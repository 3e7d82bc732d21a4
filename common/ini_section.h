// One section of an INI file as GetPrivateProfileSectionA hands it over, answering
// every key the way the key-by-key profile functions read the same file. Reading a
// list then costs one system call per section instead of one per key, each of which
// opens and searches the whole file again. No Windows header: the program and the
// plug-ins share it, and it is tested on Linux.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ini {

class IniSection {
public:
    IniSection() = default;
    // block: entries "name=value" or "name" (a line without "="), each ended by a NUL,
    // the list ended by an empty entry (or by the end of the block).
    explicit IniSection(std::string_view block);

    bool Empty() const { return keys_.empty(); }
    // What GetPrivateProfileStringA(section, key, def, buffer, bufferSize) leaves in
    // its buffer: the first entry of that name (letter case aside) with its quotes
    // dropped, cut to the buffer; a missing key or one without "=" gives def.
    std::string Text(std::string_view key, std::string_view def, size_t bufferSize) const;
    // What GetPrivateProfileIntA(section, key, def) answers: the leading integer of
    // the text (decimal, or 0x / 0o / 0b), modulo 2^32; def when the text is empty.
    int32_t Number(std::string_view key, int32_t def) const;

private:
    struct Value {
        std::string text;
        bool present;   // false for a line without "=": it reads as the default
    };
    const Value *Find(std::string_view key) const;

    std::unordered_map<std::string, Value> keys_;   // by folded name; the first entry wins
};

// A name as the profile functions look it up: white space at both ends (blanks, tabs,
// line ends, ^Z) does not count.
std::string_view TrimIniName(std::string_view name);

}  // namespace ini
