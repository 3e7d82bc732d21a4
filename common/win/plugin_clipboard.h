// The standard plug-ins' access to the clipboard: opening it, reading blocks
// within their real size, and its text in both forms.
#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "text_forms.h"

namespace tlx {

// Opens the clipboard for the object's lifetime, with no owner window unless one is
// given (the owner of what is written, asked to render what it only promised). Another
// program may hold it for a moment (for instance while it reads the change
// the plug-in is reacting to), so opening is retried briefly before giving up.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner = nullptr);
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession &) = delete;
    ClipboardSession &operator=(const ClipboardSession &) = delete;
    bool IsOpen() const { return open_; }

private:
    friend HANDLE ClipboardHandle(UINT format);
    bool open_ = false;
    std::map<UINT, HANDLE> handles_;   // what GetClipboardData gave, by format
};

// Whether a ClipboardSession of this module has the clipboard open now.
bool ClipboardIsOpenHere();

// With the clipboard open: GetClipboardData, asked of the system once per format
// and opening (Wine answers a second request from its cache and loses a buffer
// of 1 KiB each time); later calls give the handle first given, valid until the
// clipboard is emptied, so everything is read before emptying it.
HANDLE ClipboardHandle(UINT format);

// With the clipboard open: the bytes of a block as stored, at most its
// GlobalSize; nothing when the format is absent, empty for a block that cannot
// be locked.
std::optional<std::string> ReadClipboardBlock(UINT format);

// With the clipboard open: both text forms; nothing when there is no text.
// The Unicode text is its own when it differs from what the system makes of the
// 8-bit text (with the code page of the clipboard's locale). A form the system
// would only make from the other is not asked for: it holds nothing more, and
// Wine renders it anew on every change, keeping memory each time.
std::optional<TextForms> ReadClipboardTextForms();

// With the clipboard open: whether each text form (CF_TEXT, CF_UNICODETEXT) is one
// the system makes from another text form rather than one the copying program
// placed, both told apart in one walk of the formats. The system lists what it
// makes after everything placed, after the locale it adds itself and after
// CF_OEMTEXT; in doubt, placed.
struct SystemMadeTexts {
    bool ansi = false;      // CF_TEXT
    bool unicode = false;   // CF_UNICODETEXT
};
SystemMadeTexts SystemMadeTextForms();

// With the clipboard open: the code page the system converts between its text
// forms with, that of the clipboard's locale; CP_ACP without a usable locale.
UINT ClipboardCodePage();

// Code page 932 (the system's ANSI code page) to UTF-16 and back; characters
// the code page lacks become its default character.
std::u16string WidenAnsi(std::string_view ansi, UINT codePage = CP_ACP);
std::string NarrowToAnsi(std::u16string_view text, UINT codePage = CP_ACP);

}  // namespace tlx
