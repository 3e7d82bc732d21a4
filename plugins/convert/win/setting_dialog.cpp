#include "setting_dialog.h"

#include <string>
#include <vector>

#include "bounded_pattern.h"
#include "plugin_clipboard.h"
#include "plugin_records.h"
#include "resource.h"

namespace tlxconv {

namespace {

// The fields a setting shows; null pointers for those it lacks. The dialog edits
// a copy and writes it back only on an accepted OK.
struct SettingFields {
    std::string *name = nullptr;
    std::string *text = nullptr;          // quote mark, find text, pattern or program list
    std::string *replacement = nullptr;
    bool *regex = nullptr;
    bool *caseSensitive = nullptr;
};

struct DialogContext {
    SettingFields fields;
};

std::string ItemText(HWND dialog, int id) {
    std::vector<char> buffer(GetWindowTextLengthA(GetDlgItem(dialog, id)) + 1);
    const UINT length = GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

void ShowText(HWND dialog, int id, const std::string *text, size_t maxBytes) {
    if (!text) return;
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, maxBytes, 0);
    SetDlgItemTextA(dialog, id, text->c_str());
}

void ShowFlag(HWND dialog, int id, const bool *flag) {
    if (flag) CheckDlgButton(dialog, id, *flag ? BST_CHECKED : BST_UNCHECKED);
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void OnInitDialog(HWND dialog, DialogContext &context) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&context));
    const SettingFields &f = context.fields;
    ShowText(dialog, IDC_SETTING_NAME, f.name, kSettingNameMaxBytes);
    ShowText(dialog, IDC_SETTING_TEXT, f.text, kSettingTextMaxBytes);
    ShowText(dialog, IDC_REPLACEMENT, f.replacement, kSettingTextMaxBytes);
    ShowFlag(dialog, IDC_REGEX, f.regex);
    ShowFlag(dialog, IDC_CASE_SENSITIVE, f.caseSensitive);
}

// A regular expression that does not read is refused with where it goes wrong;
// the caret is put there so that it can be mended at once.
bool RefusedPattern(HWND dialog, const std::string &text) {
    const std::u16string pattern = tlx::WidenAnsi(text);
    const std::optional<PatternFault> fault = FindPatternFault(pattern);
    if (!fault) return false;
    const std::string message = "正規表現に誤りがあります。\r\n" + DescribePatternFault(*fault);
    MessageBoxA(dialog, message.c_str(), "設定", MB_OK | MB_ICONWARNING);
    // The edit control counts UTF-16 units; the fault is counted in characters.
    int unit = 0;
    for (size_t chars = 1; chars < fault->position && unit < static_cast<int>(pattern.size()); ++chars)
        unit += (pattern[unit] >= 0xD800 && pattern[unit] <= 0xDBFF) ? 2 : 1;
    SetFocus(GetDlgItem(dialog, IDC_SETTING_TEXT));
    SendDlgItemMessageW(dialog, IDC_SETTING_TEXT, EM_SETSEL, unit, unit + 1);
    return true;
}

void OnOk(HWND dialog, DialogContext &context) {
    const SettingFields &f = context.fields;
    const std::string text = ItemText(dialog, IDC_SETTING_TEXT);
    const bool regex = f.regex && Checked(dialog, IDC_REGEX);
    if (regex && RefusedPattern(dialog, text)) return;
    if (f.name) *f.name = ItemText(dialog, IDC_SETTING_NAME);
    *f.text = text;
    if (f.replacement) *f.replacement = ItemText(dialog, IDC_REPLACEMENT);
    if (f.regex) *f.regex = regex;
    if (f.caseSensitive) *f.caseSensitive = Checked(dialog, IDC_CASE_SENSITIVE);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK SettingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *context = reinterpret_cast<DialogContext *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog, *reinterpret_cast<DialogContext *>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && context) {
                OnOk(dialog, *context);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

bool RunDialog(HINSTANCE module, HWND owner, int templateId, const SettingFields &fields) {
    DialogContext context{fields};
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, SettingDialogProc,
                           reinterpret_cast<LPARAM>(&context)) == IDOK;
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
