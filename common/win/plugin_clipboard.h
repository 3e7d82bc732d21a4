// The standard plug-ins' access to the clipboard: opening it, reading blocks
// within their real size, and its text in both forms.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "text_forms.h"

namespace tlx {

// Opens the clipboard with no owner window for the object's lifetime. Another
// program may hold it for a moment (for instance while it reads the change
// the plug-in is reacting to), so opening is retried briefly before giving up.
class ClipboardSession {
public:
    ClipboardSession();
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession &) = delete;
    ClipboardSession &operator=(const ClipboardSession &) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// With the clipboard open: the bytes of a block as stored, at most its
// GlobalSize; nothing when the format is absent, empty for a block that cannot
// be locked.
std::optional<std::string> ReadClipboardBlock(UINT format);

// With the clipboard open: both text forms; nothing when there is no text.
// The Unicode text is its own when it differs from what the system makes of the
// 8-bit text (with the code page of the clipboard's locale).
std::optional<TextForms> ReadClipboardTextForms();

// Code page 932 (the system's ANSI code page) to UTF-16 and back; characters
// the code page lacks become its default character.
std::u16string WidenAnsi(std::string_view ansi, UINT codePage = CP_ACP);
std::string NarrowToAnsi(std::u16string_view text);

}  // namespace tlx
