#include "data_log.h"

#include <optional>
#include <string>

#include "clipboard.h"
#include "current_copy.h"
#include "file_bytes.h"
#include "module_folder.h"
#include "unicode_log.h"

namespace tlxtext {

namespace {

// A private copy is never written to disk: the saved text of an earlier run
// stays as it was, as it does when the clipboard holds no text.
std::optional<TextForms> CurrentClipboardText() {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    if (!copy->formats.Has(CF_TEXT) || copy->isPrivate) return std::nullopt;
    return tlx::ReadClipboardTextForms();
}

std::string UnicodeLogPath(const PluginFiles &files) { return files.dataLog + std::string(kUnicodeLogSuffix); }

}  // namespace

PluginFiles LocatePluginFiles() {
    const std::string folder = tlx::PluginFolderOf(tlx::OwnModule());
    return {folder, folder + "_datalog"};
}

void RestoreSavedText(const PluginFiles &files) {
    const std::optional<std::string> saved = tlx::ReadFileBytes(files.dataLog);
    if (!saved) return;
    const std::optional<std::string> unicodeLog = tlx::ReadFileBytes(UnicodeLogPath(files));
    const std::optional<std::u16string> unicode = UnicodeTextToRestore(*saved, unicodeLog);
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    ClipboardWriter writer(tlx::kNoMarks);
    AddTextForms(writer, TextForms{*saved, unicode.value_or(u""), unicode.has_value()});
    writer.Replace();
}

void SaveClipboardText(const PluginFiles &files) {
    const std::optional<TextForms> text = CurrentClipboardText();
    if (!text || text->ansi.size() >= MAXDWORD || !tlx::EnsureFolder(files.folder)) return;
    if (!tlx::ReplaceFileBytes(files.dataLog, text->ansi)) return;
    // Without a Unicode text of its own, an older Unicode log must not come back
    // with this "_datalog", whose bytes may be the same.
    if (!text->unicodeOwn || !tlx::ReplaceFileBytes(UnicodeLogPath(files), UnicodeLogContents(text->ansi, text->unicode)))
        DeleteFileA(UnicodeLogPath(files).c_str());
}

}  // namespace tlxtext
