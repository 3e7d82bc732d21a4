#include "phrase_versions.h"

#include <algorithm>

#include "phrase_numbers.h"
#include "unicode_text.h"

namespace tlxsnippet {

namespace {

bool Separates(char16_t c) { return c == u',' || c == u':' || c == u' ' || c < 0x20; }

}  // namespace

Versions::Order Versions::Compare(const Versions &other) const {
    bool more = false, less = false;
    auto a = counts_.begin(), b = other.counts_.begin();
    while (a != counts_.end() || b != other.counts_.end()) {
        if (b == other.counts_.end() || (a != counts_.end() && a->first < b->first)) {
            more = true;
            ++a;
        } else if (a == counts_.end() || b->first < a->first) {
            less = true;
            ++b;
        } else {
            more |= a->second > b->second;
            less |= a->second < b->second;
            ++a, ++b;
        }
    }
    if (more && less) return Order::kApart;
    return more ? Order::kAfter : less ? Order::kBefore : Order::kSame;
}

int32_t &Versions::CountOf(const std::u16string &computer) {
    auto at = std::lower_bound(counts_.begin(), counts_.end(), computer,
                               [](const auto &entry, const std::u16string &name) { return entry.first < name; });
    if (at == counts_.end() || at->first != computer) at = counts_.insert(at, {computer, 0});
    return at->second;
}

void Versions::Join(const Versions &other) {
    for (const auto &[name, count] : other.counts_) {
        int32_t &own = CountOf(name);
        own = std::max(own, count);
    }
}

void Versions::Bump(const std::u16string &computer) {
    int32_t &count = CountOf(computer);
    if (count < INT32_MAX) ++count;
}

std::u16string Versions::Text() const {
    std::u16string text;
    for (const auto &[name, count] : counts_) {
        if (!text.empty()) text += u',';
        text += name + u":" + utf::Utf16FromUtf8(std::to_string(count));
    }
    return text;
}

std::optional<Versions> Versions::Parse(std::u16string_view text) {
    Versions versions;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(u',', at), text.size());
        const std::u16string_view entry = text.substr(at, end - at);
        const size_t colon = entry.rfind(u':');
        if (colon == 0 || colon == std::u16string_view::npos) return std::nullopt;
        const std::u16string name(entry.substr(0, colon));
        const std::optional<int64_t> count = ParseDecimal(entry.substr(colon + 1), INT32_MAX);
        if (!count || *count < 1 || std::any_of(name.begin(), name.end(), Separates)) return std::nullopt;
        // In order and each name once, as Text writes them.
        if (!versions.counts_.empty() && !(versions.counts_.back().first < name)) return std::nullopt;
        versions.counts_.push_back({name, static_cast<int32_t>(*count)});
        at = end + 1;
        if (end + 1 == text.size()) return std::nullopt;   // a comma at the end
    }
    return versions;
}

std::u16string ComputerId(std::u16string_view name) {
    std::u16string id;
    for (char16_t c : name) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        // '#' starts the names that stand for texts.
        id += Separates(c) || (id.empty() && c == u'#') ? u'_' : c;
    }
    return id.empty() ? u"PC" : id;
}

std::u16string ContentId(std::u16string_view content) {
    uint32_t hash = 2166136261u;
    for (char16_t c : content) hash = (hash ^ c) * 16777619u;
    static constexpr char16_t kHex[] = u"0123456789abcdef";
    std::u16string id = u"#";
    for (int shift = 28; shift >= 0; shift -= 4) id += kHex[(hash >> shift) & 0xF];
    return id;
}

}  // namespace tlxsnippet
