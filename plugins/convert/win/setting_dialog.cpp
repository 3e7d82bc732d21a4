#include "setting_dialog.h"

#include <string>

#include "bounded_pattern.h"
#include "plugin_clipboard.h"
#include "plugin_records.h"
#include "resource.h"
#include "setting_form.h"
#include "unicode_text.h"

namespace tlxconv {

namespace {

// The fields a setting shows; null pointers for those it lacks.
struct SettingFields {
    std::string *name = nullptr;
    std::string *text = nullptr;          // quote mark, find text, pattern or program list
    std::string *replacement = nullptr;
    bool *regex = nullptr;
    bool *caseSensitive = nullptr;
};

void ShowText(HWND dialog, int id, const std::string *text, size_t maxBytes) {
    if (text) tlx::ShowEditText(dialog, id, *text, maxBytes);
}

void ShowFlag(HWND dialog, int id, const bool *flag) {
    if (flag) tlx::ShowChecked(dialog, id, *flag);
}

// A regular expression that does not read is refused with where it goes wrong;
// the caret is put there so that it can be mended at once.
bool RefusedPattern(HWND dialog, const std::string &text) {
    const std::u16string pattern = tlx::WidenAnsi(text);
    const std::optional<PatternFault> fault = FindPatternFault(pattern);
    if (!fault) return false;
    tlx::WarnRefused(dialog, "正規表現に誤りがあります。\r\n" + DescribePatternFault(*fault));
    // The edit control counts UTF-16 units; the fault is counted in characters.
    size_t unit = 0;
    for (size_t chars = 1; chars < fault->position && unit < pattern.size(); ++chars)
        unit += utf::CharAt(pattern, unit).units;
    SetFocus(GetDlgItem(dialog, IDC_SETTING_TEXT));
    SendDlgItemMessageW(dialog, IDC_SETTING_TEXT, EM_SETSEL, unit, unit + 1);
    return true;
}

// The dialog edits a copy of the fields and writes it back only on an accepted OK.
class SettingDialog : public tlx::SettingForm {
public:
    explicit SettingDialog(const SettingFields &fields) : fields_(fields) {}

private:
    void Fill(HWND dialog) override {
        ShowText(dialog, IDC_SETTING_NAME, fields_.name, kSettingNameMaxBytes);
        ShowText(dialog, IDC_SETTING_TEXT, fields_.text, kSettingTextMaxBytes);
        ShowText(dialog, IDC_REPLACEMENT, fields_.replacement, kSettingTextMaxBytes);
        ShowFlag(dialog, IDC_REGEX, fields_.regex);
        ShowFlag(dialog, IDC_CASE_SENSITIVE, fields_.caseSensitive);
    }

    bool Accept(HWND dialog) override {
        const std::string text = tlx::DialogItemText(dialog, IDC_SETTING_TEXT);
        const bool regex = fields_.regex && tlx::IsChecked(dialog, IDC_REGEX);
        if (regex && RefusedPattern(dialog, text)) return false;
        if (fields_.name) *fields_.name = tlx::DialogItemText(dialog, IDC_SETTING_NAME);
        *fields_.text = text;
        if (fields_.replacement) *fields_.replacement = tlx::DialogItemText(dialog, IDC_REPLACEMENT);
        if (fields_.regex) *fields_.regex = regex;
        if (fields_.caseSensitive) *fields_.caseSensitive = tlx::IsChecked(dialog, IDC_CASE_SENSITIVE);
        return true;
    }

    SettingFields fields_;
};

bool RunDialog(HINSTANCE module, HWND owner, int templateId, const SettingFields &fields) {
    return SettingDialog(fields).Run(module, templateId, owner);
}

SettingFields FieldsOf(ReplaceSetting &s) { return {&s.name, &s.find, &s.replacement, &s.regex, &s.caseSensitive}; }
SettingFields FieldsOf(PatternSetting &s) { return {&s.name, &s.pattern, nullptr, &s.regex, &s.caseSensitive}; }
SettingFields FieldsOf(ProgramSetting &s) { return {&s.name, &s.programs}; }

// One numbered setting, nullptr for a number outside 1 to 20: an accepted OK cuts the
// edited copy to what the file holds, keeps it and saves it.
template <typename Setting, typename Save>
void EditNumbered(HINSTANCE module, HWND owner, int templateId, Setting *kept, Save save) {
    if (!kept) return;
    Setting edited = *kept;
    if (!RunDialog(module, owner, templateId, FieldsOf(edited))) return;
    ClampSetting(edited);
    *kept = edited;
    save();
}

}  // namespace

void ShowSettingDialog(HINSTANCE module, HWND owner, int32_t funcno, int number, ConvertSettings &settings,
                       tlx::ProfileStore &store) {
    switch (funcno) {
        case kFuncQuote:
        case kFuncUnquote: {
            std::string mark = settings.quoteMark;
            if (number == 1 && RunDialog(module, owner, IDD_QUOTE_SETTING, {nullptr, &mark})) {
                settings.quoteMark = mark;
                settings.SaveQuoteMark(store);
            }
            return;
        }
        case kFuncReplace:
            return EditNumbered(module, owner, IDD_REPLACE_SETTING, settings.Replace(number),
                                [&] { settings.SaveReplace(store, number); });
        case kFuncMatchesPattern:
            return EditNumbered(module, owner, IDD_PATTERN_SETTING, settings.Pattern(number),
                                [&] { settings.SavePattern(store, number); });
        case kFuncCopiedFrom:
            return EditNumbered(module, owner, IDD_PROGRAM_SETTING, settings.Program(number),
                                [&] { settings.SaveProgram(store, number); });
    }
}

}  // namespace tlxconv
