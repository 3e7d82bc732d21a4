// The objdump parsing the export checks rely on, on listings in objdump's own format.
#include <gtest/gtest.h>

#include "objdump_reader.h"

namespace {

const char kPrivateHeaders[] =
    "ImageBase\t\t65c80000\n"
    "\n"
    "Export Address Table -- Ordinal Base 1\n"
    "\t[   0] +base[   1] 14b0 Export RVA\n"
    "\t[   1] +base[   2] 27f0 Export RVA\n"
    "\n"
    "[Ordinal/Name Pointer] Table\n"
    "\t[   1] Init\n"
    "\t[   0] CallFunction\n"
    "\n"
    "\treloc    0 offset    6 [1006] HIGHLOW\n";

TEST(ObjdumpReader, ExportsMapNamesThroughTheirOrdinalsToAddresses) {
    const pe::ExportTable table = pe::ParseExports(kPrivateHeaders);
    EXPECT_EQ(0x65c80000u, table.imageBase);
    ASSERT_EQ(2u, table.rvaByName.size());
    EXPECT_EQ(0x14b0u, table.rvaByName.at("CallFunction"));
    EXPECT_EQ(0x27f0u, table.rvaByName.at("Init"));
}

const char kListing[] =
    "Disassembly of section .text:\n"
    "\n"
    "00001000 <_A@8>:\n"
    "    1000:\tpush   %ebx\n"
    "    1001:\tret    $0x8\n"
    "    1004:\tret    $0x8\n"
    "00001010 <_B@4>:\n"
    "    1010:\tmov    %eax,%ecx\n"
    "    1012:\tjmp    1020 <_C@4>\n"
    "00001020 <_C@4>:\n"
    "    1020:\trepz ret $0x4\n"
    "00001030 <_D>:\n"
    "    1030:\tret\n";

TEST(ObjdumpReader, ReturnsStopAtTheNextSymbolAndFollowTailCalls) {
    const pe::Disassembly code = pe::ParseDisassembly(kListing);
    EXPECT_EQ((std::vector<std::string>{"ret    $0x8", "ret    $0x8"}), pe::ReturnsOf(code, 0x1000));
    EXPECT_EQ((std::vector<std::string>{"repz ret $0x4"}), pe::ReturnsOf(code, 0x1010));
    EXPECT_EQ((std::vector<std::string>{"ret"}), pe::ReturnsOf(code, 0x1030));
    EXPECT_TRUE(pe::ReturnsOf(code, 0x1002).empty()) << "not an instruction start";
}

TEST(ObjdumpReader, ParameterCountsComeFromWinapiDeclarations) {
    const auto counts = pe::WinapiParameterCounts(
        "KX_EXPORT int32_t WINAPI Quit(void);\n"
        "KX_EXPORT int32_t WINAPI Plugin_GetFuncSettingName(INT_PTR id, int32_t funcno, int32_t setno,\n"
        "                                                   char *buffer, int32_t size);\n"
        "typedef int32_t (WINAPI *TlxInitProc)(void);\n");
    EXPECT_EQ((std::map<std::string, int>{{"Quit", 0}, {"Plugin_GetFuncSettingName", 5}}), counts);
}

}  // namespace
