// Checks and addresses for copied web and mail addresses, from the code page
// 932 text or, where it holds more, from the Unicode text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tlxinet {

// Longest address handed to the shell, in bytes (in UTF-16 units for a Unicode address).
inline constexpr size_t kAddressMaxBytes = 3071;
// Longest "mailto:" address handed to the shell, likewise.
inline constexpr size_t kMailAddressMaxBytes = 2040;

// The full-width at sign "＠" as code page 932 bytes.
inline constexpr std::string_view kFullWidthAt = "\x81\x97";

bool HasLineBreak(std::string_view text);

// Begins with a web or ftp scheme (also with the leading "h" missing) and is one line.
bool LooksLikeUrl(std::string_view text);

// Holds a half-width or full-width at sign as a whole character and is one line.
bool LooksLikeMailAddress(std::string_view text);

// The address to open for copied text: "ttp://..." and "ttps://..." get their "h"
// back. Cut to kAddressMaxBytes without splitting a character.
std::string WebAddress(std::string_view text);
std::u16string WebAddress(std::u16string_view text);

// "mailto:" + text, its first full-width "＠" made half-width. Cut to
// kMailAddressMaxBytes without splitting a character.
std::string MailtoAddress(std::string_view text);
std::u16string MailtoAddress(std::u16string_view text);

}  // namespace tlxinet
