#include "clipboard_edit.h"

#include "clipboard_marks.h"
#include "clipboard_writer.h"
#include "plugin_clipboard.h"

namespace tlxconv {

namespace {

// The question is asked in the session that reads the text: opening the clipboard
// costs more than anything else a check on every copy does.
bool Skipped(PrivateCopies privateCopies) {
    return privateCopies == PrivateCopies::kSkip && tlx::OpenClipboardIsPrivate();
}

}  // namespace

void ChangeClipboardText(const std::function<std::optional<std::u16string>(std::u16string_view)> &change,
                         PrivateCopies privateCopies) {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen() || Skipped(privateCopies)) return;
    const std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    if (!forms || forms->unicode.empty()) return;
    const std::optional<std::u16string> changed = change(forms->unicode);
    if (!changed || *changed == forms->unicode) return;
    tlx::ClipboardWriter writer;
    writer.AddUnicodeText(*changed);
    if (writer.Ready()) writer.Replace();
}

std::optional<std::u16string> ClipboardText(PrivateCopies privateCopies) {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen() || Skipped(privateCopies)) return std::nullopt;
    std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    if (!forms) return std::nullopt;
    return std::move(forms->unicode);
}

}  // namespace tlxconv
