// IniStore over the Windows profile functions. Each section is read with one system
// call the first time one of its keys is asked for and answered from memory after
// that, with the same values as key-by-key reads; a write through this object goes
// to the file at once and makes it read the file again. Keep an object for one load
// or one save: it does not see what other objects write to sections it has read.
#pragma once
#include <string>

#include "ini_file_sections.h"
#include "ini_store.h"

namespace ptr {

class vbIniFile : public IniStore {
public:
    vbIniFile() = default;
    explicit vbIniFile(std::string fileName) : file_(std::move(fileName)) {}
    const std::string &FileName() const { return file_.Path(); }
    void FileName(const std::string &name) { file_.Path(name); }

    // Reads at most 10,239 characters; a longer value comes back cut.
    std::string GetText(const std::string &section, const std::string &key, const std::string &def) const override;
    int32_t GetNumber(const std::string &section, const std::string &key, int32_t def) const override;
    void SetText(const std::string &section, const std::string &key, const std::string &value) override;
    // True once a write did not reach the file (read-only, locked, no such folder).
    bool WriteFailed() const { return writeFailed_; }

private:
    ini::IniFileSections file_;
    bool writeFailed_ = false;
};

}  // namespace ptr
