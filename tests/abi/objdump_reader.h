// What the tests need from `objdump -p` and `objdump -d` of a Windows DLL.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pe {

// Runs a command and returns its standard output.
std::string RunCommand(const std::string &command);

struct ExportTable {
    uint64_t imageBase = 0;
    std::map<std::string, uint32_t> rvaByName;  // named exports only
};
// Parses the export section of `objdump -p`.
ExportTable ParseExports(const std::string &privateHeaders);

struct Instruction {
    uint64_t address;
    std::string text;  // mnemonic and operands, e.g. "ret    $0x8"
};
struct Disassembly {
    std::vector<Instruction> instructions;  // in address order
    std::vector<uint64_t> symbols;          // addresses that start a symbol, sorted
};
// Parses `objdump -d --no-show-raw-insn`.
Disassembly ParseDisassembly(const std::string &listing);

// The return instructions of the function at `entry`: every `ret` up to the
// next symbol (only the first one when the file has no symbols). A function
// that ends in a jump to another (a tail call) is followed there.
std::vector<std::string> ReturnsOf(const Disassembly &code, uint64_t entry);

// Parameter count of every WINAPI function declared in a C header.
std::map<std::string, int> WinapiParameterCounts(const std::string &header);

}  // namespace pe
