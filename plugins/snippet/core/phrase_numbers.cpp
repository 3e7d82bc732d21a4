#include "phrase_numbers.h"

namespace tlxsnippet {

NumberRange BlockNumbers(int block) {
    if (block <= 0) return {1, kBlockSize - 1};
    return {block * kBlockSize, block * kBlockSize + (kBlockSize - 1)};
}

int ChooseBlock(std::u16string_view computer, const std::set<int> &taken) {
    // FNV-1a over the name as Windows compares names: without regard to case.
    uint32_t hash = 2166136261u;
    for (char16_t c : computer) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        hash = (hash ^ c) * 16777619u;
    }
    const int preferred = static_cast<int>(hash % kLastBlock) + 1;
    for (int step = 0; step < kLastBlock; ++step) {
        const int block = (preferred - 1 + step) % kLastBlock + 1;
        if (!taken.count(block)) return block;
    }
    return preferred;   // all taken: sharing one, two PCs' phrases show as conflicts, not lost
}

std::optional<int64_t> ParseDecimal(std::u16string_view text, int64_t highest) {
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > highest) return std::nullopt;
    }
    return value;
}

}  // namespace tlxsnippet
