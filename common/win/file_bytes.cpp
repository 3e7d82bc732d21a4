#include "file_bytes.h"

#include <windows.h>

#include "damaged_file.h"

namespace tlx {

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

bool WriteWholeFile(const std::string &path, std::string_view bytes) {
    if (bytes.size() >= MAXDWORD) return false;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    DWORD written = 0;
    return file.IsOpen() &&
           WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file.Get());
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string &path, unsigned long *error) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    std::string bytes;
    DWORD read = 0;
    if (file.IsOpen() && GetFileSizeEx(file.Get(), &size) && size.QuadPart < MAXDWORD) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        if (bytes.empty() || ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            bytes.resize(read);
            return bytes;
        }
    }
    if (error) *error = GetLastError();
    return std::nullopt;
}

bool ReplaceFileBytes(const std::string &path, std::string_view bytes) {
    const std::string partial = path + ".new";
    if (WriteWholeFile(partial, bytes) &&
        MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(partial.c_str());
    return false;
}

bool FileExists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SetAsideDamaged(const std::string &path) {
    const std::optional<std::string> aside = SetAsideName(path, FileExists);
    return aside && MoveFileExA(path.c_str(), aside->c_str(), MOVEFILE_WRITE_THROUGH);
}

}  // namespace tlx
