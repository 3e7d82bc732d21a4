#include "profile_file.h"

#include <windows.h>

#include "module_folder.h"

namespace tlx {

ProfileFile::ProfileFile(std::string folder, const std::string &fileName)
    : folder_(std::move(folder)), file_(folder_ + fileName) {}

std::string ProfileFile::ReadText(const std::string &section, const std::string &key,
                                  const std::string &fallback) {
    // As into a buffer larger than any field, so that a long value is cut by the model at a character.
    return file_.Section(section).Text(key, fallback, 10240);
}

int32_t ProfileFile::ReadNumber(const std::string &section, const std::string &key, int32_t fallback) {
    return file_.Section(section).Number(key, fallback);
}

void ProfileFile::WriteText(const std::string &section, const std::string &key, const std::string &value) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    file_.Write(section, key, value);
}

std::unique_ptr<ProfileFile> PluginSettingsFile() {
    return std::make_unique<ProfileFile>(PluginFolderOf(OwnModule()), "Setting.ini");
}

}  // namespace tlx
