#include "plugin_actions.h"

#include <windows.h>
#include <shellapi.h>

#include "address_text.h"
#include "clipboard_text.h"
#include "keyword.h"

namespace tlxinet {

namespace {

// The shell picks the browser or mail program; a failure leaves no trace.
void ShellOpen(const std::string &address) {
    ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace

void OpenCopiedUrl() {
    const std::optional<std::string> text = ClipboardAnsiText();
    if (text && !text->empty()) ShellOpen(WebAddress(*text));
}

void MailToCopiedAddress() {
    const std::optional<std::string> text = ClipboardAnsiText();
    if (text && !text->empty()) ShellOpen(MailtoAddress(*text));
}

void SearchCopiedKeyword(const SearchSetting &setting) {
    std::string keyword;
    if (KeywordUsesUnicodeText(setting.charSet)) {
        const std::optional<std::u16string> text = ClipboardUnicodeText();
        if (!text) return;
        keyword = KeywordBytes(setting.charSet, {}, *text);
    } else {
        const std::optional<std::string> text = ClipboardAnsiText();
        if (!text) return;
        keyword = KeywordBytes(setting.charSet, *text, {});
    }
    ShellOpen(SearchAddress(setting, keyword));
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
