#include "address_text.h"

#include "sjis_text.h"
#include "unicode_text.h"

namespace tlxinet {

namespace {

// What the address rules need of each text form: cutting without splitting a
// character, finding the full-width at sign as a whole character.
struct Cp932Text {
    static std::string_view Prefix(std::string_view text, size_t max) { return sjis::SjisPrefix(text, max); }
    static size_t FindFullWidthAt(std::string_view text) { return sjis::FindSjisChar(text, kFullWidthAt); }
    static constexpr size_t kFullWidthAtSize = kFullWidthAt.size();
};

struct Utf16Text {
    static std::u16string_view Prefix(std::u16string_view text, size_t max) { return utf::Utf16Prefix(text, max); }
    static size_t FindFullWidthAt(std::u16string_view text) { return text.find(u'\uFF20'); }
    static constexpr size_t kFullWidthAtSize = 1;
};

template <typename Char>
bool StartsWith(std::basic_string_view<Char> text, std::string_view asciiPrefix) {
    if (text.size() < asciiPrefix.size()) return false;
    for (size_t i = 0; i < asciiPrefix.size(); ++i)
        if (text[i] != static_cast<Char>(asciiPrefix[i])) return false;
    return true;
}

template <typename Char>
bool LacksLeadingH(std::basic_string_view<Char> text) {
    return StartsWith(text, "ttp://") || StartsWith(text, "ttps://");
}

template <typename Char>
std::basic_string<Char> Ascii(std::string_view text) {
    return std::basic_string<Char>(text.begin(), text.end());
}

template <typename Form, typename Char>
std::basic_string<Char> WebAddressOf(std::basic_string_view<Char> text) {
    if (LacksLeadingH(text)) return Ascii<Char>("h") + std::basic_string<Char>(Form::Prefix(text, kAddressMaxBytes - 1));
    return std::basic_string<Char>(Form::Prefix(text, kAddressMaxBytes));
}

template <typename Form, typename Char>
std::basic_string<Char> MailtoAddressOf(std::basic_string_view<Char> text) {
    static constexpr std::string_view scheme = "mailto:";
    std::basic_string<Char> mail(text);
    const size_t at = Form::FindFullWidthAt(mail);
    if (at != std::basic_string<Char>::npos) mail.replace(at, Form::kFullWidthAtSize, Ascii<Char>("@"));
    return Ascii<Char>(scheme) + std::basic_string<Char>(Form::Prefix(mail, kMailAddressMaxBytes - scheme.size()));
}

}  // namespace

bool HasLineBreak(std::string_view text) {
    // CR and LF are below every trail byte, so a byte search cannot hit half a character.
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool LooksLikeUrl(std::string_view text) {
    const bool scheme = StartsWith(text, "http://") || StartsWith(text, "https://") ||
                        LacksLeadingH(text) || StartsWith(text, "ftp://");
    return scheme && !HasLineBreak(text);
}

bool LooksLikeMailAddress(std::string_view text) {
    const bool at = sjis::FindSjisChar(text, "@") != std::string_view::npos ||
                    sjis::FindSjisChar(text, kFullWidthAt) != std::string_view::npos;
    return at && !HasLineBreak(text);
}

std::string WebAddress(std::string_view text) { return WebAddressOf<Cp932Text>(text); }
std::u16string WebAddress(std::u16string_view text) { return WebAddressOf<Utf16Text>(text); }

std::string MailtoAddress(std::string_view text) { return MailtoAddressOf<Cp932Text>(text); }
std::u16string MailtoAddress(std::u16string_view text) { return MailtoAddressOf<Utf16Text>(text); }

}  // namespace tlxinet
