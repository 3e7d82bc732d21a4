#include "plugin_clipboard.h"

#include <cstring>

namespace tlx {

namespace {
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 20;

std::u16string UnitsUpToNul(const std::string &bytes) {
    std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    return text.substr(0, text.find(u'\0'));
}

// The session that has the clipboard open in this process.
ClipboardSession *g_openSession = nullptr;
}  // namespace

UINT ClipboardCodePage() {
    const std::optional<std::string> block = ReadClipboardBlock(CF_LOCALE);
    LCID locale = 0;
    if (!block || block->size() < sizeof locale) return CP_ACP;
    std::memcpy(&locale, block->data(), sizeof locale);
    UINT codePage = 0;
    if (!GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPSTR>(&codePage), sizeof codePage) ||
        codePage == 0)
        return CP_ACP;
    return codePage;
}

ClipboardSession::ClipboardSession(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
        if (attempt) Sleep(kOpenRetryMs);
        open_ = OpenClipboard(owner) != FALSE;
    }
    if (open_) g_openSession = this;
}

ClipboardSession::~ClipboardSession() {
    if (!open_) return;
    if (g_openSession == this) g_openSession = nullptr;
    CloseClipboard();
}

bool ClipboardIsOpenHere() { return g_openSession != nullptr; }

HANDLE ClipboardHandle(UINT format) {
    if (!g_openSession) return GetClipboardData(format);
    const auto [at, first] = g_openSession->handles_.try_emplace(format, nullptr);
    if (first) at->second = GetClipboardData(format);
    return at->second;
}

std::optional<std::string> ReadClipboardBlock(UINT format) {
    HANDLE handle = ClipboardHandle(format);
    if (!handle) return std::nullopt;
    std::string bytes;
    if (const void *data = GlobalLock(handle)) {
        bytes.assign(static_cast<const char *>(data), GlobalSize(handle));
        GlobalUnlock(handle);
    }
    return bytes;
}

SystemMadeTexts SystemMadeTextForms() {
    SystemMadeTexts made;
    bool textBefore = false, localeAfterText = false, oemBefore = false, ansiSeen = false, unicodeSeen = false;
    for (UINT listed = EnumClipboardFormats(0); listed && !(ansiSeen && unicodeSeen);
         listed = EnumClipboardFormats(listed)) {
        const bool madeHere = textBefore && (localeAfterText || oemBefore);
        if (listed == CF_TEXT) ansiSeen = true, made.ansi = madeHere;
        if (listed == CF_UNICODETEXT) unicodeSeen = true, made.unicode = madeHere;
        if (listed == CF_LOCALE && textBefore) localeAfterText = true;
        if (listed == CF_OEMTEXT) oemBefore = true;
        if (listed == CF_TEXT || listed == CF_UNICODETEXT) textBefore = true;
    }
    return made;
}

std::optional<TextForms> ReadClipboardTextForms() {
    const SystemMadeTexts made = SystemMadeTextForms();   // one walk of the formats for both
    const std::optional<std::string> ansi = made.ansi ? std::nullopt : ReadClipboardBlock(CF_TEXT);
    const std::optional<std::string> unicode = made.unicode ? std::nullopt : ReadClipboardBlock(CF_UNICODETEXT);
    if (!ansi && !unicode) return std::nullopt;
    TextForms forms;
    if (unicode) forms.unicode = UnitsUpToNul(*unicode);
    forms.ansi = ansi ? ansi->substr(0, ansi->find('\0')) : NarrowToAnsi(forms.unicode);
    std::u16string widened = WidenAnsi(forms.ansi, ClipboardCodePage());
    forms.unicodeOwn = unicode && forms.unicode != widened;
    if (!unicode) forms.unicode = std::move(widened);
    forms.ansiMadeBySystem = made.ansi;
    return forms;
}

std::u16string WidenAnsi(std::string_view ansi, UINT codePage) {
    if (ansi.empty()) return {};
    const int length = static_cast<int>(ansi.size());
    const int needed = MultiByteToWideChar(codePage, 0, ansi.data(), length, nullptr, 0);
    std::u16string wide(needed > 0 ? needed : 0, u'\0');
    if (needed > 0)
        MultiByteToWideChar(codePage, 0, ansi.data(), length, reinterpret_cast<wchar_t *>(wide.data()), needed);
    return wide;
}

std::string NarrowToAnsi(std::u16string_view text, UINT codePage) {
    if (text.empty()) return {};
    const auto *source = reinterpret_cast<const wchar_t *>(text.data());
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, source, length, nullptr, 0, nullptr, nullptr);
    std::string ansi(needed > 0 ? needed : 0, '\0');
    if (needed > 0) WideCharToMultiByte(codePage, 0, source, length, ansi.data(), needed, nullptr, nullptr);
    return ansi;
}

}  // namespace tlx
