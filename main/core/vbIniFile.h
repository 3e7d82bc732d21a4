// IniStore over the Windows profile functions: every call goes to the file, nothing is cached.
#pragma once
#include <string>

#include "ini_store.h"

namespace ptr {

class vbIniFile : public IniStore {
public:
    vbIniFile() = default;
    explicit vbIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string &FileName() const { return fileName_; }
    void FileName(const std::string &name) { fileName_ = name; }

    // Reads at most 10,239 characters; a longer value comes back cut.
    std::string GetText(const std::string &section, const std::string &key, const std::string &def) const override;
    int32_t GetNumber(const std::string &section, const std::string &key, int32_t def) const override;
    void SetText(const std::string &section, const std::string &key, const std::string &value) override;
    // True once a write did not reach the file (read-only, locked, no such folder).
    bool WriteFailed() const { return writeFailed_; }

private:
    std::string fileName_;
    bool writeFailed_ = false;
};

}  // namespace ptr
