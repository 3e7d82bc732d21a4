#include "system_context.h"

#include <windows.h>

#include "plugin_clipboard.h"

namespace tlxsnippet {

namespace {

constexpr wchar_t kEraKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras";

std::u16string LocaleText(LCTYPE type) {
    wchar_t text[128] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, ARRAYSIZE(text));
    return length > 1 ? std::u16string(reinterpret_cast<const char16_t *>(text), length - 1) : std::u16string();
}

LocaleNames SystemNames() {
    LocaleNames names;
    // The system numbers the days from Monday; the pictures count from Sunday.
    for (int day = 0; day < 7; ++day) {
        names.dayNames[(day + 1) % 7] = LocaleText(LOCALE_SDAYNAME1 + day);
        names.abbreviatedDayNames[(day + 1) % 7] = LocaleText(LOCALE_SABBREVDAYNAME1 + day);
    }
    for (int month = 0; month < 12; ++month) names.monthNames[month] = LocaleText(LOCALE_SMONTHNAME1 + month);
    names.am = LocaleText(LOCALE_S1159);
    names.pm = LocaleText(LOCALE_S2359);
    return names;
}

std::u16string ClipboardText() {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    return forms ? std::move(forms->unicode) : std::u16string();
}

}  // namespace

std::vector<Era> SystemEras() {
    std::vector<Era> eras;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEraKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return eras;
    for (DWORD index = 0;; ++index) {
        wchar_t start[64], names[128];
        DWORD startLength = ARRAYSIZE(start), namesBytes = sizeof names - sizeof(wchar_t), type = 0;
        const LONG result = RegEnumValueW(key, index, start, &startLength, nullptr, &type,
                                          reinterpret_cast<BYTE *>(names), &namesBytes);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ) continue;
        names[namesBytes / sizeof(wchar_t)] = L'\0';
        Era era;
        if (ParseSystemEra(std::u16string_view(reinterpret_cast<const char16_t *>(start), startLength),
                           reinterpret_cast<const char16_t *>(names), era))
            eras.push_back(std::move(era));
    }
    RegCloseKey(key);
    return eras;
}

PasteContext SystemPasteContext() {
    PasteContext context;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    context.now = DateTime{{now.wYear, now.wMonth, now.wDay}, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
    context.names = SystemNames();
    context.eras = WithBuiltInEras(SystemEras());
    context.shortDatePicture = LocaleText(LOCALE_SSHORTDATE);
    context.shortTimePicture = LocaleText(LOCALE_SSHORTTIME);
    context.clipboardText = ClipboardText;
    return context;
}

}  // namespace tlxsnippet
