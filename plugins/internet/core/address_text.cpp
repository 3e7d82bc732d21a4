#include "address_text.h"

#include "sjis_text.h"

namespace tlxinet {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool LacksLeadingH(std::string_view text) {
    return StartsWith(text, "ttp://") || StartsWith(text, "ttps://");
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

std::string WebAddress(std::string_view text) {
    if (LacksLeadingH(text)) return "h" + std::string(sjis::SjisPrefix(text, kAddressMaxBytes - 1));
    return std::string(sjis::SjisPrefix(text, kAddressMaxBytes));
}

std::string MailtoAddress(std::string_view text) {
    static constexpr std::string_view scheme = "mailto:";
    std::string mail(text);
    const size_t at = sjis::FindSjisChar(mail, kFullWidthAt);
    if (at != std::string::npos) mail.replace(at, kFullWidthAt.size(), "@");
    return std::string(scheme) + std::string(sjis::SjisPrefix(mail, kMailAddressMaxBytes - scheme.size()));
}

}  // namespace tlxinet
