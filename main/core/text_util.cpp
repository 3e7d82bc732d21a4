#include "text_util.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ptr {

std::string TrimAtNull(const char *field, size_t size) {
    const void *nul = std::memchr(field, '\0', size);
    return std::string(field, nul ? static_cast<const char *>(nul) - field : size);
}

static unsigned char FoldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

int CompareNoCase(std::string_view a, std::string_view b) {
    size_t i = 0;
    bool trail = false;   // the byte at i is the second byte of a two-byte character
    for (; i < a.size() && i < b.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (!trail) {
            x = FoldAscii(x);
            y = FoldAscii(y);
        }
        if (x != y) return x < y ? -1 : 1;
        trail = !trail && IsLeadByte(x);
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return false;
    const size_t start = text.size() - suffix.size();
    // A suffix that begins on the second byte of a character is no match.
    size_t i = 0;
    while (i < start) i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i == start && CompareNoCase(text.substr(start), suffix) == 0;
}

namespace {
struct NumberScan {
    size_t begin = 0, end = 0;   // the numeric part
    bool any = false;            // at least one digit
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

NumberScan ScanNumber(std::string_view t) {
    NumberScan s;
    size_t i = 0;
    while (i < t.size() && IsBlank(t[i])) ++i;
    s.begin = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) { ++i; s.any = true; }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) { ++i; s.any = true; }
    }
    if (s.any && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) {
            while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
            i = j;
        }
    }
    s.end = i;
    return s;
}
}  // namespace

double LeadingNumber(std::string_view text) {
    const NumberScan s = ScanNumber(text);
    if (!s.any) return 0;
    const std::string number(text.substr(s.begin, s.end - s.begin));
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

int32_t RoundToInt32(double value) {
    if (!(value == value)) return 0;
    const double r = std::nearbyint(value);
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(r);
}

bool IsNumeric(std::string_view text) {
    const NumberScan s = ScanNumber(text);
    if (!s.any) return false;
    size_t i = s.end;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i == text.size();
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    if (separator.empty()) return {std::string(text)};
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string_view::npos) break;
        parts.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::string JoinText(const std::vector<std::string> &parts, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += separator;
        out += parts[i];
    }
    return out;
}

}  // namespace ptr
