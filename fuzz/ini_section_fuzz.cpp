// An INI file as anyone may have left it, cut into section blocks roughly as the system
// hands them over, then every name of each block asked for with buffers of every size
// that matters. Nothing may crash, no answer may outgrow its buffer, and a value that
// fits comes back whole, without its quotes.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ini_section.h"

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::vector<std::string> Blocks(std::string_view text) {
    std::vector<std::string> blocks(1);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.front() == '[')
            blocks.emplace_back();
        else if (!line.empty())
            blocks.back() += std::string(line) + '\0';
    }
    return blocks;
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const std::string &block : Blocks(text)) {
        const ini::IniSection section(block);
        std::set<std::string> seen;
        for (size_t start = 0; start < block.size();) {
            const size_t end = block.find('\0', start);
            const std::string_view entry = std::string_view(block).substr(start, end - start);
            start = end + 1;
            const size_t equals = entry.find('=');
            const std::string_view name = entry.substr(0, equals);
            for (size_t buffer : {size_t{0}, size_t{1}, size_t{2}, size_t{30}, entry.size(), entry.size() + 1})
                Check(section.Text(name, "dflt", buffer).size() + (buffer ? 1 : 0) <= buffer);
            section.Number(name, -1);
            const std::string_view trimmed = ini::TrimIniName(name);
            Check(ini::TrimIniName(trimmed) == trimmed);
            // The first entry of a plain name: its value comes back whole, quotes aside.
            const bool plain = equals != std::string_view::npos && !name.empty() && name == trimmed && name[0] != ';' &&
                               std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7f; });
            std::string folded(trimmed);
            for (char &c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (!seen.insert(folded).second || !plain) continue;
            std::string_view value = entry.substr(equals + 1);
            if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
                value = value.substr(1, value.size() - 2);
            Check(section.Text(name, "dflt", entry.size() + 2) == value);
        }
    }
    return 0;
}
