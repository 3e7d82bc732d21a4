#include "ini_section.h"

#include "sjis_text.h"

namespace ini {

namespace {

unsigned char Byte(std::string_view text, size_t pos) { return static_cast<unsigned char>(text[pos]); }

// Bytes of the white-space character at pos, 0 when it is none. The full-width space
// is no white space to the profile functions.
size_t SpaceLength(std::string_view text, size_t pos) {
    const unsigned char c = Byte(text, pos);
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x1A ? 1 : 0;
}

// Names compare without regard to the case of Latin letters; double-byte characters,
// whose second byte may look like a letter, stay as they are.
std::string Fold(std::string_view name) {
    std::string folded(name);
    for (size_t pos = 0; pos < folded.size();) {
        const size_t length = sjis::SjisCharLength(folded, pos);
        if (length == 1 && folded[pos] >= 'A' && folded[pos] <= 'Z') folded[pos] = static_cast<char>(folded[pos] + 32);
        pos += length;
    }
    return folded;
}

// What the system copies into a buffer of bufferSize characters: at most bufferSize - 1
// characters of the value; a value in matching quotes loses them, but when the closing
// quote does not fit, the last character copied goes instead (and when even more is
// cut, nothing goes). Characters, not bytes: the system works in UTF-16 here.
std::string_view CopiedValue(std::string_view value, size_t bufferSize) {
    if (bufferSize == 0) return {};
    const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    if (quoted) value.remove_prefix(1);
    size_t end = 0, lastStart = 0, chars = 0;
    while (end < value.size() && chars < bufferSize - 1) {
        lastStart = end;
        end += sjis::SjisCharLength(value, end);
        ++chars;
    }
    const size_t rest = value.size() - end;
    const bool atMostOneLeft = rest == 0 || sjis::SjisCharLength(value, end) == rest;
    if (quoted && atMostOneLeft && chars > 0) end = lastStart;
    return value.substr(0, end);
}

// A default of blanks only reads as empty.
std::string_view DefaultText(std::string_view def) {
    return def.find_first_not_of(' ') == std::string_view::npos ? std::string_view{} : def;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

// The system's reading of a number: leading control characters and blanks skipped, a
// sign, a base prefix, then digits as far as they go, in 32-bit arithmetic that wraps.
int32_t LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && Byte(text, i) <= ' ') ++i;
    bool minus = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
    uint32_t base = 10;
    if (text.size() - i >= 2 && text[i] == '0') {
        const char prefix = text[i + 1];
        base = prefix == 'b' ? 2 : prefix == 'o' ? 8 : prefix == 'x' ? 16 : 10;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0 || static_cast<uint32_t>(digit) >= base) break;
        total = total * base + static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(minus ? 0u - total : total);
}

// The buffer the system uses for a number: 30 characters.
constexpr size_t kNumberBuffer = 30;

}  // namespace

std::string_view TrimIniName(std::string_view name) {
    size_t start = 0, end = 0;
    bool seen = false;
    for (size_t pos = 0; pos < name.size();) {
        const size_t space = SpaceLength(name, pos);
        const size_t length = space ? space : sjis::SjisCharLength(name, pos);
        if (!space) {
            if (!seen) start = pos;
            seen = true;
            end = pos + length;
        }
        pos += length;
    }
    return seen ? name.substr(start, end - start) : std::string_view{};
}

IniSection::IniSection(std::string_view block) {
    while (!block.empty()) {
        const size_t end = block.find('\0');
        const std::string_view entry = block.substr(0, end);
        if (entry.empty()) break;
        block.remove_prefix(end == std::string_view::npos ? block.size() : end + 1);
        const size_t equals = entry.find('=');
        // Taken as they come: the system has trimmed them already, and what blanks are
        // left (before a NUL the file held) count.
        const std::string_view name = entry.substr(0, equals);
        // Comments answer no key the program asks for.
        if (!name.empty() && name.front() == ';') continue;
        const bool present = equals != std::string_view::npos;
        keys_.try_emplace(Fold(name), Value{present ? std::string(entry.substr(equals + 1)) : "", present});
    }
}

const IniSection::Value *IniSection::Find(std::string_view key) const {
    const auto it = keys_.find(Fold(TrimIniName(key)));
    return it == keys_.end() ? nullptr : &it->second;
}

std::string IniSection::Text(std::string_view key, std::string_view def, size_t bufferSize) const {
    const Value *value = Find(key);
    const std::string_view source = value && value->present ? std::string_view(value->text) : DefaultText(def);
    std::string_view text = CopiedValue(source, bufferSize);
    // Back in the 8-bit code page the text is cut to the buffer's bytes as well, by
    // whole characters.
    return std::string(bufferSize ? sjis::SjisPrefix(text, bufferSize - 1) : std::string_view());
}

int32_t IniSection::Number(std::string_view key, int32_t def) const {
    const Value *value = Find(key);
    const std::string_view source = value && value->present ? std::string_view(value->text) : std::string_view();
    const std::string_view text = CopiedValue(source, kNumberBuffer);
    return text.empty() ? def : LeadingNumber(text);
}

}  // namespace ini
