#include "plugin_actions.h"

#include <windows.h>
#include <shellapi.h>

#include "address_text.h"
#include "clipboard_text.h"
#include "keyword.h"
#include "plugin_clipboard.h"

namespace tlxinet {

namespace {

using tlx::WidenAnsi;

// The shell picks the browser or mail program; a failure leaves no trace. The
// address goes over as Unicode, so that no character is lost on the way; an
// 8-bit address is widened as the shell's own 8-bit entry would.
void ShellOpen(const std::u16string &address) {
    ShellExecuteW(nullptr, nullptr, reinterpret_cast<const wchar_t *>(address.c_str()), nullptr, nullptr, SW_SHOW);
}

bool HasText(const std::optional<tlx::TextForms> &text) { return text && !text->unicode.empty(); }

}  // namespace

void OpenCopiedUrl() {
    const std::optional<tlx::TextForms> text = ClipboardTextForms();
    if (!HasText(text)) return;
    ShellOpen(text->unicodeOwn ? WebAddress(text->unicode) : WidenAnsi(WebAddress(text->ansi)));
}

void MailToCopiedAddress() {
    const std::optional<tlx::TextForms> text = ClipboardTextForms();
    if (!HasText(text)) return;
    ShellOpen(text->unicodeOwn ? MailtoAddress(text->unicode) : WidenAnsi(MailtoAddress(text->ansi)));
}

void SearchCopiedKeyword(const SearchSetting &setting) {
    const std::optional<tlx::TextForms> text = ClipboardTextForms();
    if (!text) return;
    if (HasUnicodeAddress(setting)) {
        ShellOpen(UnicodeSearchAddress(WidenAnsi(SearchHeader(setting)), text->unicode, WidenAnsi(setting.footerUrl)));
        return;
    }
    // Shift-JIS and EUC-JP take the 8-bit text: it holds what those sets can.
    ShellOpen(WidenAnsi(SearchAddress(setting, KeywordBytes(setting.charSet, text->ansi, text->unicode))));
}

bool ClipboardHoldsUrl() {
    const std::optional<std::string> text = ClipboardAnsiText();
    return text && LooksLikeUrl(*text);
}

bool ClipboardHoldsMailAddress() {
    const std::optional<std::string> text = ClipboardAnsiText();
    return text && LooksLikeMailAddress(*text);
}

}  // namespace tlxinet
