#include "plugin_functions.h"

#include "bounded_pattern.h"
#include "clipboard_edit.h"
#include "copy_source.h"
#include "current_copy.h"
#include "line_text.h"
#include "pattern_cache.h"
#include "plugin_clipboard.h"
#include "plugin_records.h"
#include "system_mapping.h"

namespace tlxconv {

namespace {

using Change = std::function<std::optional<std::u16string>(std::u16string_view)>;

Change Converting(Conversion conversion) {
    return [conversion](std::u16string_view text) { return ConvertText(text, conversion); };
}

Change Shaping(std::u16string (*shape)(std::u16string_view)) {
    return [shape](std::u16string_view text) { return shape(text); };
}

Change QuoteChange(const std::string &mark, bool quote) {
    return [mark = tlx::WidenAnsi(mark), quote](std::u16string_view text) {
        return quote ? QuoteLines(text, mark) : UnquoteLines(text, mark);
    };
}

const BoundedPattern &Compiled(const std::string &pattern, PatternOptions options) {
    static PatternCache cache;
    return cache.Get(tlx::WidenAnsi(pattern), options);
}

Change ReplaceChange(const ReplaceSetting &setting) {
    return [pattern = Compiled(setting.find, {setting.regex, setting.caseSensitive}),
            replacement = tlx::WidenAnsi(setting.replacement)](std::u16string_view text) {
        return pattern.Replace(text, replacement);
    };
}

bool ClipboardMatches(const PatternSetting &setting, PrivateCopies privateCopies) {
    const BoundedPattern &pattern = Compiled(setting.pattern, {setting.regex, setting.caseSensitive});
    if (!pattern.Valid()) return false;
    const std::optional<std::u16string> text = ClipboardText(privateCopies);
    return text && pattern.Contains(*text);
}

bool CopiedFrom(const ProgramSetting &setting, HWND activeWindow, PrivateCopies privateCopies) {
    if (!tlx::CopiedFromListedProgram(setting.programs, activeWindow)) return false;
    return privateCopies == PrivateCopies::kInclude || !tlx::CurrentCopy()->isPrivate;
}

// The action's change; nothing for a check or an unknown number.
std::optional<Change> ActionChange(int32_t funcno, int32_t setno, const ConvertSettings &settings) {
    const bool withKana = setno == kWidthWithKatakana;
    switch (funcno) {
        case kFuncToHalfWidth: return Converting(withKana ? Conversion::kToHalfWidthWithKana : Conversion::kToHalfWidth);
        case kFuncToFullWidth: return Converting(withKana ? Conversion::kToFullWidthWithKana : Conversion::kToFullWidth);
        case kFuncToKatakana: return Converting(Conversion::kToKatakana);
        case kFuncToHiragana: return Converting(Conversion::kToHiragana);
        case kFuncToUpper: return Converting(Conversion::kToUpper);
        case kFuncToLower: return Converting(Conversion::kToLower);
        case kFuncQuote: return QuoteChange(settings.quoteMark, true);
        case kFuncUnquote: return QuoteChange(settings.quoteMark, false);
        case kFuncJoinLines: return Shaping(JoinLines);
        case kFuncTrim: return Shaping(TrimLines);
        case kFuncReplace: return ReplaceChange(*settings.Replace(setno));
        default: return std::nullopt;
    }
}

}  // namespace

int32_t RunFunction(int32_t funcno, int32_t setno, HWND activeWindow, bool unattended,
                    const ConvertSettings &settings) {
    if (setno < 1 || setno > SettingCount(funcno)) return 0;
    const PrivateCopies privateCopies = unattended ? PrivateCopies::kSkip : PrivateCopies::kInclude;
    switch (funcno) {
        case kFuncMatchesPattern: return ClipboardMatches(*settings.Pattern(setno), privateCopies) ? 1 : 0;
        case kFuncCopiedFrom: return CopiedFrom(*settings.Program(setno), activeWindow, privateCopies) ? 1 : 0;
    }
    if (const std::optional<Change> change = ActionChange(funcno, setno, settings))
        ChangeClipboardText(*change, privateCopies);
    return 0;
}

}  // namespace tlxconv
