// The sections of one INI file, each read with one GetPrivateProfileSectionA the first
// time a key of it is asked for and kept until a write through the same object. Writes
// go key by key through WritePrivateProfileStringA. An object sees what others write
// to the file only in sections it had not read yet: keep it for one load or one save.
#pragma once
#include <string>
#include <unordered_map>

#include "ini_section.h"

namespace ini {

class IniFileSections {
public:
    IniFileSections() = default;
    explicit IniFileSections(std::string path) : path_(std::move(path)) {}

    const std::string &Path() const { return path_; }
    void Path(const std::string &path);

    const IniSection &Section(const std::string &name) const;
    // False when the file could not be written.
    bool Write(const std::string &section, const std::string &key, const std::string &value);

private:
    std::string path_;
    mutable std::unordered_map<std::string, IniSection> sections_;   // by the trimmed name asked for
};

}  // namespace ini
