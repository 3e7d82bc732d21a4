#include "objdump_reader.h"

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>

namespace pe {

std::string RunCommand(const std::string &command) {
    std::string out;
    // objdump translates its headings; the parsers read the untranslated ones.
    FILE *pipe = popen(("LC_ALL=C " + command).c_str(), "r");
    if (!pipe) return out;
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    pclose(pipe);
    return out;
}

ExportTable ParseExports(const std::string &privateHeaders) {
    static const std::regex imageBase(R"(^ImageBase\s+([0-9a-fA-F]+))");
    static const std::regex address(R"(^\s*\[\s*(\d+)\]\s+\+base\[\s*\d+\]\s+([0-9a-fA-F]+)\s+Export RVA)");
    static const std::regex name(R"(^\s*\[\s*(\d+)\]\s+(\S+)\s*$)");
    ExportTable table;
    std::map<long, uint32_t> rvaByIndex;
    std::map<std::string, long> indexByName;
    enum { kOther, kAddresses, kNames } section = kOther;
    std::istringstream in(privateHeaders);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, imageBase)) table.imageBase = std::stoull(m[1], nullptr, 16);
        if (line.rfind("Export Address Table --", 0) == 0) section = kAddresses;
        else if (line.rfind("[Ordinal/Name Pointer] Table", 0) == 0) section = kNames;
        else if (line.empty()) section = kOther;
        else if (section == kAddresses && std::regex_search(line, m, address))
            rvaByIndex[std::stol(m[1])] = static_cast<uint32_t>(std::stoul(m[2], nullptr, 16));
        else if (section == kNames && std::regex_search(line, m, name))
            indexByName[m[2]] = std::stol(m[1]);
    }
    for (const auto &[n, index] : indexByName)
        if (rvaByIndex.count(index)) table.rvaByName[n] = rvaByIndex[index];
    return table;
}

Disassembly ParseDisassembly(const std::string &listing) {
    static const std::regex label(R"(^([0-9a-fA-F]+) <[^>]*>:\s*$)");
    static const std::regex instruction(R"(^\s*([0-9a-fA-F]+):\s+(\S.*?)\s*$)");
    Disassembly code;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_match(line, m, label))
            code.symbols.push_back(std::stoull(m[1], nullptr, 16));
        else if (std::regex_match(line, m, instruction))
            code.instructions.push_back({std::stoull(m[1], nullptr, 16), m[2]});
    }
    std::sort(code.symbols.begin(), code.symbols.end());
    return code;
}

std::vector<std::string> ReturnsOf(const Disassembly &code, uint64_t entry) {
    static const std::regex directJump(R"(^jmp\s+([0-9a-fA-F]+)\b)");
    static const std::regex ret(R"(^(?:repz?\s+|bnd\s+)?ret[lw]?\b)");
    std::vector<std::string> returns;
    for (int hop = 0; hop < 4 && returns.empty(); ++hop) {
        const auto next = std::upper_bound(code.symbols.begin(), code.symbols.end(), entry);
        const bool bounded = next != code.symbols.end();
        auto it = std::lower_bound(code.instructions.begin(), code.instructions.end(), entry,
                                   [](const Instruction &i, uint64_t a) { return i.address < a; });
        if (it == code.instructions.end() || it->address != entry) break;
        const Instruction *last = nullptr;
        for (; it != code.instructions.end() && (!bounded || it->address < *next); ++it) {
            last = &*it;
            if (std::regex_search(it->text, ret)) {
                returns.push_back(it->text);
                if (!bounded) break;
            }
        }
        std::smatch m;
        if (!returns.empty() || !last || !std::regex_search(last->text, m, directJump)) break;
        entry = std::stoull(m[1], nullptr, 16);
    }
    return returns;
}

std::map<std::string, int> WinapiParameterCounts(const std::string &header) {
    static const std::regex declaration(R"(WINAPI\s+(\w+)\s*\(([^)]*)\))");
    std::map<std::string, int> counts;
    for (std::sregex_iterator it(header.begin(), header.end(), declaration), end; it != end; ++it) {
        std::string params = (*it)[2];
        params.erase(std::remove_if(params.begin(), params.end(), ::isspace), params.end());
        counts[(*it)[1]] = params.empty() || params == "void"
                               ? 0
                               : static_cast<int>(std::count(params.begin(), params.end(), ',')) + 1;
    }
    return counts;
}

}  // namespace pe
