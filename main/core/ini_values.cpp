#include "ini_store.h"

#include <cctype>
#include <cstdio>

namespace ptr {

void IniStore::SetNumber(const std::string &section, const std::string &key, int32_t value) {
    SetText(section, key, FormatIniNumber(value));
}

std::string FormatIniNumber(int32_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string NumberedKey(int n, const std::string &name) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", n);
    return number + name;
}

int32_t ParseIniNumber(const std::string &text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT64_C(2147483648)) value = INT64_C(2147483648);
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<int32_t>(value);
}

}  // namespace ptr
