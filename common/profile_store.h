// Key-by-key access to a plug-in's INI file; missing keys give the default. No
// Windows header: the settings models are tested on Linux against stores in memory.
#pragma once
#include <cstdint>
#include <string>

namespace tlx {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::string ReadText(const std::string &section, const std::string &key,
                                 const std::string &fallback) = 0;
    virtual int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) = 0;
    virtual void WriteText(const std::string &section, const std::string &key, const std::string &value) = 0;
};

}  // namespace tlx
