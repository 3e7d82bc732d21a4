#include "vbIniFile.h"

#include <windows.h>

#include <vector>

#include "text_util.h"

namespace ptr {

static constexpr DWORD kReadBufferSize = 10240;

std::string vbIniFile::GetText(const std::string &section, const std::string &key, const std::string &def) const {
    std::vector<char> buffer(kReadBufferSize, '\0');
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                             kReadBufferSize, fileName_.c_str());
    return TrimAtNull(buffer.data(), std::min<DWORD>(n, kReadBufferSize));
}

int32_t vbIniFile::GetNumber(const std::string &section, const std::string &key, int32_t def) const {
    return static_cast<int32_t>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, fileName_.c_str()));
}

void vbIniFile::SetText(const std::string &section, const std::string &key, const std::string &value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        writeFailed_ = true;
}

}  // namespace ptr
