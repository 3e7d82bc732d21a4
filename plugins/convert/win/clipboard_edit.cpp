#include "clipboard_edit.h"

#include "clipboard_marks.h"
#include "clipboard_writer.h"
#include "plugin_clipboard.h"

namespace tlxconv {

namespace {

// The copy as it was last read. A watch action's check and its action read the same
// copy, and every question to the clipboard costs a round trip (to Wine's server); the
// sequence number tells when the clipboard holds another copy.
struct ReadCopy {
    DWORD sequence = 0;
    bool isPrivate = false;
    std::optional<std::u16string> text;   // never a private copy's
};

ReadCopy g_lastRead;

std::optional<std::u16string> ReadOpenClipboardText() {
    std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    if (!forms) return std::nullopt;
    return std::move(forms->unicode);
}

// With the clipboard open. The privacy question is asked in the session that reads the
// text: opening the clipboard costs more than anything else a check on every copy does.
std::optional<std::u16string> OpenClipboardText(PrivateCopies privateCopies) {
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence == 0 || sequence != g_lastRead.sequence) {
        g_lastRead = ReadCopy{sequence, tlx::OpenClipboardIsPrivate(), std::nullopt};
        if (!g_lastRead.isPrivate) g_lastRead.text = ReadOpenClipboardText();
    }
    if (!g_lastRead.isPrivate) return g_lastRead.text;
    // A private copy the user asked for is read again each time and kept nowhere.
    return privateCopies == PrivateCopies::kInclude ? ReadOpenClipboardText() : std::nullopt;
}

}  // namespace

void ChangeClipboardText(const std::function<std::optional<std::u16string>(std::u16string_view)> &change,
                         PrivateCopies privateCopies) {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    const std::optional<std::u16string> text = OpenClipboardText(privateCopies);
    g_lastRead = ReadCopy{};   // the action is the copy's last reader
    if (!text || text->empty()) return;
    const std::optional<std::u16string> changed = change(*text);
    if (!changed || *changed == *text) return;
    tlx::ClipboardWriter writer;
    writer.AddUnicodeText(*changed);
    if (writer.Ready()) writer.Replace();
}

std::optional<std::u16string> ClipboardText(PrivateCopies privateCopies) {
    tlx::ClipboardSession clipboard;
    return clipboard.IsOpen() ? OpenClipboardText(privateCopies) : std::nullopt;
}

}  // namespace tlxconv
