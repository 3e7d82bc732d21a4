#include "ini_file_sections.h"

#include <windows.h>

namespace ini {

namespace {

// The whole section in one call. A buffer that is too small comes back as size - 2 (and
// from Wine, when the text takes more bytes than characters, as 0 with the start of
// the section in the buffer): then the call is repeated with twice the room.
std::string ReadSectionBlock(const std::string &path, const std::string &section) {
    constexpr DWORD kFirstSize = 32 * 1024;
    constexpr DWORD kLargestSize = 256 * 1024 * 1024;
    for (DWORD size = kFirstSize;; size *= 2) {
        std::string buffer(size, '\0');
        const DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, path.c_str());
        const bool cut = length >= size - 2 || (length == 0 && buffer[0] != '\0');
        if (!cut) return buffer.substr(0, length);
        if (size >= kLargestSize) return length ? buffer.substr(0, length) : std::string();
    }
}

}  // namespace

void IniFileSections::Path(const std::string &path) {
    path_ = path;
    sections_.clear();
}

const IniSection &IniFileSections::Section(const std::string &name) const {
    // The system ignores white space around a name it looks up, but not around the
    // name of a whole section: trimmed, both find the same one.
    const std::string trimmed(TrimIniName(name));
    auto it = sections_.find(trimmed);
    if (it == sections_.end()) it = sections_.emplace(trimmed, IniSection(ReadSectionBlock(path_, trimmed))).first;
    return it->second;
}

bool IniFileSections::Write(const std::string &section, const std::string &key, const std::string &value) {
    sections_.clear();
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) != 0;
}

}  // namespace ini
