#include "char_runs.h"

namespace tlxconv {

namespace {

bool In(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

bool IsJapanesePunctuation(char16_t c) {
    // 、。「」・ and the two voicing marks: the characters of the half-width katakana block that are no kana.
    return c == u'、' || c == u'。' || c == u'「' || c == u'」' || c == u'・' || c == u'゛' || c == u'゜';
}

bool IsAnyOf(char16_t c, std::initializer_list<CharKind> kinds) {
    for (CharKind kind : kinds)
        if (IsOfKind(c, kind)) return true;
    return false;
}

}  // namespace

bool IsOfKind(char16_t c, CharKind kind) {
    switch (kind) {
        case CharKind::kFullWidthLatinSigns:
            return In(c, 0xFF01, 0xFF5E) || c == 0x3000 || In(c, 0xFFE0, 0xFFE6);
        case CharKind::kFullWidthKatakana:
            return In(c, 0x30A1, 0x30FC) || IsJapanesePunctuation(c);
        case CharKind::kHalfWidthLatinSigns:
            return In(c, 0x20, 0x7E);
        case CharKind::kHalfWidthKatakana:
            return In(c, 0xFF61, 0xFF9F);
        case CharKind::kHiragana:
            return In(c, 0x3041, 0x3096) || In(c, 0x309D, 0x309E);
        case CharKind::kKatakana:
            return In(c, 0x30A1, 0x30F6) || In(c, 0x30FD, 0x30FE);
    }
    return false;
}

std::u16string MapRuns(std::u16string_view text, std::initializer_list<CharKind> kinds,
                       const std::function<std::u16string(std::u16string_view)> &map) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        size_t end = i;
        const bool inKinds = IsAnyOf(text[i], kinds);
        while (end < text.size() && IsAnyOf(text[end], kinds) == inKinds) ++end;
        const std::u16string_view run = text.substr(i, end - i);
        if (inKinds) out += map(run);
        else out += run;
        i = end;
    }
    return out;
}

}  // namespace tlxconv
