#include "clipboard_edit.h"

#include "clipboard_writer.h"
#include "current_copy.h"
#include "plugin_clipboard.h"

namespace tlxconv {

namespace {

// The text of the copy last read. A watch action's check and its action read the same
// copy, and every question to the clipboard costs a round trip (to Wine's server); the
// sequence number tells when the clipboard holds another copy.
struct ReadText {
    uint32_t sequence = 0;
    std::optional<std::u16string> text;   // never a private copy's
};

ReadText g_lastRead;

std::optional<std::u16string> ReadOpenClipboardText() {
    std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    if (!forms) return std::nullopt;
    return std::move(forms->unicode);
}

// With the clipboard open: the text of `copy`, the copy that is open.
std::optional<std::u16string> OpenClipboardText(const tlx::CopyLook &copy, PrivateCopies privateCopies) {
    if (copy.isPrivate) {
        // A private copy the user asked for is read again each time and kept nowhere.
        return privateCopies == PrivateCopies::kInclude ? ReadOpenClipboardText() : std::nullopt;
    }
    if (copy.sequence == 0 || copy.sequence != g_lastRead.sequence) g_lastRead = {copy.sequence, ReadOpenClipboardText()};
    return g_lastRead.text;
}

}  // namespace

void ChangeClipboardText(const std::function<std::optional<std::u16string>(std::u16string_view)> &change,
                         PrivateCopies privateCopies) {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    const std::optional<std::u16string> text = OpenClipboardText(*copy, privateCopies);
    g_lastRead = ReadText{};   // the action is the copy's last reader
    if (!text || text->empty()) return;
    const std::optional<std::u16string> changed = change(*text);
    if (!changed || *changed == *text) return;
    tlx::ClipboardWriter writer(copy->marks);
    writer.AddUnicodeText(*changed);
    if (writer.Ready()) writer.Replace();
}

std::optional<std::u16string> ClipboardText(PrivateCopies privateCopies) {
    tlx::ClipboardSession clipboard;
    return clipboard.IsOpen() ? OpenClipboardText(*tlx::CurrentCopy(), privateCopies) : std::nullopt;
}

}  // namespace tlxconv
