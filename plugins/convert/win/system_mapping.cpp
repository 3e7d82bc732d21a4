#include "system_mapping.h"

#include <windows.h>

namespace tlxconv {

namespace {

std::u16string SystemMap(std::u16string_view run, DWORD flags) {
    if (run.empty()) return {};
    const auto *source = reinterpret_cast<const wchar_t *>(run.data());
    const int length = static_cast<int>(run.size());
    const int needed = LCMapStringEx(L"ja-JP", flags, source, length, nullptr, 0, nullptr, nullptr, 0);
    if (needed <= 0) return std::u16string(run);
    std::u16string out(static_cast<size_t>(needed), u'\0');
    const int written = LCMapStringEx(L"ja-JP", flags, source, length, reinterpret_cast<wchar_t *>(out.data()),
                                      needed, nullptr, nullptr, 0);
    if (written <= 0) return std::u16string(run);
    out.resize(static_cast<size_t>(written));
    return out;
}

std::u16string MapKinds(std::u16string_view text, std::initializer_list<CharKind> kinds, DWORD flags) {
    return MapRuns(text, kinds, [flags](std::u16string_view run) { return SystemMap(run, flags); });
}

}  // namespace

std::u16string ConvertText(std::u16string_view text, Conversion conversion) {
    using K = CharKind;
    switch (conversion) {
        case Conversion::kToHalfWidth: return MapKinds(text, {K::kFullWidthLatinSigns}, LCMAP_HALFWIDTH);
        case Conversion::kToHalfWidthWithKana:
            return MapKinds(text, {K::kFullWidthLatinSigns, K::kFullWidthKatakana}, LCMAP_HALFWIDTH);
        case Conversion::kToFullWidth: return MapKinds(text, {K::kHalfWidthLatinSigns}, LCMAP_FULLWIDTH);
        case Conversion::kToFullWidthWithKana:
            return MapKinds(text, {K::kHalfWidthLatinSigns, K::kHalfWidthKatakana}, LCMAP_FULLWIDTH);
        case Conversion::kToKatakana: return MapKinds(text, {K::kHiragana}, LCMAP_KATAKANA);
        case Conversion::kToHiragana: return MapKinds(text, {K::kKatakana}, LCMAP_HIRAGANA);
        // Every script's letters, full-width Latin ones too; surrogate pairs pass unchanged.
        case Conversion::kToUpper: return SystemMap(text, LCMAP_UPPERCASE);
        case Conversion::kToLower: return SystemMap(text, LCMAP_LOWERCASE);
    }
    return std::u16string(text);
}

}  // namespace tlxconv
