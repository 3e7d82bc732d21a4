#include "vbIniFile.h"

namespace ptr {

static constexpr size_t kReadBufferSize = 10240;

std::string vbIniFile::GetText(const std::string &section, const std::string &key, const std::string &def) const {
    return file_.Section(section).Text(key, def, kReadBufferSize);
}

int32_t vbIniFile::GetNumber(const std::string &section, const std::string &key, int32_t def) const {
    return file_.Section(section).Number(key, def);
}

void vbIniFile::SetText(const std::string &section, const std::string &key, const std::string &value) {
    if (!file_.Write(section, key, value)) writeFailed_ = true;
}

}  // namespace ptr
