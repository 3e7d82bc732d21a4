#include "ini_text.h"

namespace ptrfuzz {

namespace {
std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}
}  // namespace

void ReadIniText(std::string_view text, ptr::IniStore &into) {
    std::string section;
    const std::string missing(1, '\x01');
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.front() == '[') {
            const size_t close = line.find(']');
            section = std::string(Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string key(Trim(line.substr(0, equals)));
        if (into.GetText(section, key, missing) == missing)
            into.SetText(section, key, std::string(Trim(line.substr(equals + 1))));
    }
}

void WriteLog::ReplayInto(ptr::IniStore &store) const {
    for (const auto &[section, key, value] : writes) store.SetText(section, key, value);
}

}  // namespace ptrfuzz
