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
    if (flag) CheckDlgButton(dialog, id, *flag ? BST_CHECKED : BST_UNCHECKED);
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// A regular expression that does not read is refused with where it goes wrong;
// the caret is put there so that it can be mended at once.
bool RefusedPattern(HWND dialog, const std::string &text) {
    const std::u16string pattern = tlx::WidenAnsi(text);
    const std::optional<PatternFault> fault = FindPatternFault(pattern);
    if (!fault) return false;
    const std::string message = "正規表現に誤りがあります。\r\n" + DescribePatternFault(*fault);
    MessageBoxA(dialog, message.c_str(), "設定", MB_OK | MB_ICONWARNING);
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
        const bool regex = fields_.regex && Checked(dialog, IDC_REGEX);
        if (regex && RefusedPattern(dialog, text)) return false;
        if (fields_.name) *fields_.name = tlx::DialogItemText(dialog, IDC_SETTING_NAME);
        *fields_.text = text;
        if (fields_.replacement) *fields_.replacement = tlx::DialogItemText(dialog, IDC_REPLACEMENT);
        if (fields_.regex) *fields_.regex = regex;
        if (fields_.caseSensitive) *fields_.caseSensitive = Checked(dialog, IDC_CASE_SENSITIVE);
        return true;
    }

    SettingFields fields_;
};

bool RunDialog(HINSTANCE module, HWND owner, int templateId, const SettingFields &fields) {
    return SettingDialog(fields).Run(module, templateId, owner);
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
        case kFuncReplace: {
            if (!settings.Replace(number)) return;
            ReplaceSetting s = *settings.Replace(number);
            if (!RunDialog(module, owner, IDD_REPLACE_SETTING,
                           {&s.name, &s.find, &s.replacement, &s.regex, &s.caseSensitive}))
                return;
            ClampSetting(s);
            *settings.Replace(number) = s;
            settings.SaveReplace(store, number);
            return;
        }
        case kFuncMatchesPattern: {
            if (!settings.Pattern(number)) return;
            PatternSetting s = *settings.Pattern(number);
            if (!RunDialog(module, owner, IDD_PATTERN_SETTING, {&s.name, &s.pattern, nullptr, &s.regex, &s.caseSensitive}))
                return;
            ClampSetting(s);
            *settings.Pattern(number) = s;
            settings.SavePattern(store, number);
            return;
        }
        case kFuncCopiedFrom: {
            if (!settings.Program(number)) return;
            ProgramSetting s = *settings.Program(number);
            if (!RunDialog(module, owner, IDD_PROGRAM_SETTING, {&s.name, &s.programs}))
                return;
            ClampSetting(s);
            *settings.Program(number) = s;
            settings.SaveProgram(store, number);
            return;
        }
    }
}

}  // namespace tlxconv
