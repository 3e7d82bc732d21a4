#include "profile_file.h"

#include <windows.h>

#include <vector>

namespace tlxinet {

ProfileFile::ProfileFile(std::string folder, const std::string &fileName)
    : folder_(std::move(folder)), path_(folder_ + fileName) {}

std::string ProfileFile::ReadText(const std::string &section, const std::string &key,
                                  const std::string &fallback) {
    // Larger than any field, so that a long value is cut by the model at a character.
    std::vector<char> buffer(10240);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path_.c_str());
    return std::string(buffer.data(), length);
}

int32_t ProfileFile::ReadNumber(const std::string &section, const std::string &key, int32_t fallback) {
    return static_cast<int32_t>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path_.c_str()));
}

bool ProfileFile::HasEntries(const std::string &section) {
    // A few bytes tell empty from not: a longer section comes back cut, never as 0.
    char probe[16];
    return GetPrivateProfileSectionA(section.c_str(), probe, sizeof probe, path_.c_str()) != 0;
}

void ProfileFile::WriteText(const std::string &section, const std::string &key, const std::string &value) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

}  // namespace tlxinet
