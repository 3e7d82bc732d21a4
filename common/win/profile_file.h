// A plug-in's settings file: each section read with one system call, written key by key.
// A file someone else holds while it is read is read again a moment later; when it
// still cannot be read, the settings are the defaults for this run and the file is
// never written over (the user is told once).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ini_file_sections.h"
#include "profile_store.h"

namespace tlx {

class ProfileFile : public ProfileStore {
public:
    // folder ends in a backslash; it is created when missing before the first write.
    ProfileFile(std::string folder, const std::string &fileName);
    std::string ReadText(const std::string &section, const std::string &key,
                         const std::string &fallback) override;
    int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) override;
    void WriteText(const std::string &section, const std::string &key, const std::string &value) override;

private:
    // Whether the file can be read (or is missing); false when someone else holds it.
    bool Readable();

    std::string folder_;
    ini::IniFileSections file_;
    bool checked_ = false;
};

// The Setting.ini of the plug-in this code is linked into, in the folder named after
// its file. Made afresh for each load or save: it keeps the sections it has read.
std::unique_ptr<ProfileFile> PluginSettingsFile();

}  // namespace tlx
