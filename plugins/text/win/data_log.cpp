#include "data_log.h"

#include <optional>
#include <string>

#include "clipboard.h"

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

std::optional<std::string> CurrentClipboardText() {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_TEXT)) return std::nullopt;
    return ReadClipboardText();
}

}  // namespace

void RestoreSavedText(const PluginFiles &files) {
    const std::optional<std::string> saved = ReadWholeFile(files.dataLog);
    if (!saved) return;
    GlobalBlock block = TextBlock(*saved);
    ClipboardSession clipboard;
    if (!block || !clipboard.IsOpen()) return;
    EmptyClipboard();
    block.SetAs(CF_TEXT);
}

void SaveClipboardText(const PluginFiles &files) {
    const std::optional<std::string> text = CurrentClipboardText();
    if (!text || text->size() >= MAXDWORD || !EnsureFolder(files.folder)) return;
    const std::string partial = files.dataLog + ".new";
    if (WriteWholeFile(partial, *text) &&
        MoveFileExA(partial.c_str(), files.dataLog.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    DeleteFileA(partial.c_str());
}

}  // namespace tlxtext
