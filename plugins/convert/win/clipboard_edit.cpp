#include "clipboard_edit.h"

#include "clipboard_writer.h"
#include "plugin_clipboard.h"

namespace tlxconv {

void ChangeClipboardText(const std::function<std::optional<std::u16string>(std::u16string_view)> &change) {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    const std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    if (!forms || forms->unicode.empty()) return;
    const std::optional<std::u16string> changed = change(forms->unicode);
    if (!changed || *changed == forms->unicode) return;
    tlx::ClipboardWriter writer;
    writer.AddUnicodeText(*changed);
    if (writer.Ready()) writer.Replace();
}

std::optional<std::u16string> ClipboardText() {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    std::optional<tlx::TextForms> forms = tlx::ReadClipboardTextForms();
    if (!forms) return std::nullopt;
    return std::move(forms->unicode);
}

}  // namespace tlxconv
