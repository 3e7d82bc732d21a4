// A settings file read and written key by key through the profile functions.
#pragma once
#include <string>

#include "search_settings.h"

namespace tlxinet {

class ProfileFile : public ProfileStore {
public:
    // folder ends in a backslash; it is created when missing before the first write.
    ProfileFile(std::string folder, const std::string &fileName);
    std::string ReadText(const std::string &section, const std::string &key,
                         const std::string &fallback) override;
    int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) override;
    void WriteText(const std::string &section, const std::string &key, const std::string &value) override;
    bool HasEntries(const std::string &section) override;

private:
    std::string folder_;
    std::string path_;
};

}  // namespace tlxinet
