// The clipboard's Unicode text, read for the checks and rewritten by the actions.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tlxconv {

// Whether a private copy (a password) is to be left alone: for what watching runs.
enum class PrivateCopies { kSkip, kInclude };

// change gets the copied text and gives the new one, or nothing to leave it.
// The new text goes back as Unicode and 8-bit text with its locale, carrying the
// copy's privacy marks; without text, or with the text unchanged, the clipboard
// is left alone.
void ChangeClipboardText(const std::function<std::optional<std::u16string>(std::u16string_view)> &change,
                         PrivateCopies privateCopies);

// The copied text; nothing when there is none, the clipboard stays busy or the
// copy is private and to be skipped.
std::optional<std::u16string> ClipboardText(PrivateCopies privateCopies);

}  // namespace tlxconv
