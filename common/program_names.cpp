#include "program_names.h"

namespace tlx {

namespace {

char16_t Fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
    if (c >= u'Ａ' && c <= u'Ｚ') return static_cast<char16_t>(c - u'Ａ' + u'ａ');
    return c;
}

// Greedy with one step back to the last "*": linear in practice, never exponential.
bool WildcardMatches(std::u16string_view pattern, std::u16string_view name) {
    size_t p = 0, n = 0, starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

std::u16string_view TrimBlanks(std::u16string_view s) {
    auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

bool ProgramListMatches(std::u16string_view list, std::u16string_view fileName) {
    if (fileName.empty()) return false;
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(u';', start);
        if (end == std::u16string_view::npos) end = list.size();
        const std::u16string_view entry = TrimBlanks(list.substr(start, end - start));
        if (!entry.empty() && WildcardMatches(entry, fileName)) return true;
        start = end + 1;
    }
    return false;
}

std::u16string_view FileNameOfPath(std::u16string_view path) {
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace tlx
