#include "data_log.h"

#include <optional>
#include <string>

#include "clipboard.h"
#include "clipboard_marks.h"
#include "unicode_log.h"

namespace tlxtext {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

std::optional<std::string> ReadWholeFile(const std::string &path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart >= MAXDWORD) return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

bool WriteWholeFile(const std::string &path, const std::string &bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    DWORD written = 0;
    return file.IsOpen() &&
           WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// A private copy is never written to disk: the saved text of an earlier run
// stays as it was, as it does when the clipboard holds no text.
std::optional<TextForms> CurrentClipboardText() {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_TEXT) || tlx::OpenClipboardIsPrivate())
        return std::nullopt;
    return tlx::ReadClipboardTextForms();
}

std::string UnicodeLogPath(const PluginFiles &files) { return files.dataLog + std::string(kUnicodeLogSuffix); }

// Written beside the final file and moved over it, so that a failed write
// leaves the previous file whole.
bool ReplaceFile(const std::string &path, const std::string &bytes) {
    const std::string partial = path + ".new";
    if (WriteWholeFile(partial, bytes) &&
        MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(partial.c_str());
    return false;
}

}  // namespace

void RestoreSavedText(const PluginFiles &files) {
    const std::optional<std::string> saved = ReadWholeFile(files.dataLog);
    if (!saved) return;
    const std::optional<std::string> unicodeLog = ReadWholeFile(UnicodeLogPath(files));
    const std::optional<std::u16string> unicode = UnicodeTextToRestore(*saved, unicodeLog);
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    ClipboardWriter writer(MarksOnWrite::Drop);
    AddTextForms(writer, TextForms{*saved, unicode.value_or(u""), unicode.has_value()});
    writer.Replace();
}

void SaveClipboardText(const PluginFiles &files) {
    const std::optional<TextForms> text = CurrentClipboardText();
    if (!text || text->ansi.size() >= MAXDWORD || !EnsureFolder(files.folder)) return;
    if (!ReplaceFile(files.dataLog, text->ansi)) return;
    // Without a Unicode text of its own, an older Unicode log must not come back
    // with this "_datalog", whose bytes may be the same.
    if (!text->unicodeOwn || !ReplaceFile(UnicodeLogPath(files), UnicodeLogContents(text->ansi, text->unicode)))
        DeleteFileA(UnicodeLogPath(files).c_str());
}

}  // namespace tlxtext
