// The binary contract as the Windows loader sees it: export names in the
// 32-bit and 64-bit release folders, and in the 32-bit build the callee-pops
// convention of every export (each return pops 4 bytes per parameter).
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "objdump_reader.h"

namespace fs = std::filesystem;

namespace {

struct Build {
    const char *name;
    const char *dir;
    const char *objdump;
};
const Build kWin32{"32-bit", PTR_WIN32_BUILD_DIR, "i686-w64-mingw32-objdump"};
const Build kWin64{"64-bit", PTR_WIN64_BUILD_DIR, "x86_64-w64-mingw32-objdump"};

const std::set<std::string> kHostExports = {
    "Init", "Quit", "ShowAbout", "ShowMainProgramWindow", "CallFunction", "NotifyIconControl", "CreateShortCut",
    "SetPluginHost", "Plugin_Init", "Plugin_Quit", "Plugin_ShowAbout", "Plugin_ShowSetting", "Plugin_Func", "Plugin_GetInfo",
    "Plugin_GetFuncInfo", "Plugin_GetFuncSettingName", "Plugin_NextFuncSetting"};
// The eight every plug-in has, and the host's services the standard plug-ins take.
const std::set<std::string> kPluginExports = {"PIN_Init",        "PIN_Quit",    "PIN_ShowAbout",
                                              "PIN_ShowSetting", "PIN_Func",    "PIN_GetInfo",
                                              "PIN_GetFuncInfo", "PIN_GetFuncSettingName", "PIN_SetHost"};

fs::path DistDir(const Build &build) { return fs::path(build.dir) / "dist"; }

std::string HostDll(const Build &build) { return (DistDir(build) / "KXDLL.dll").string(); }

std::vector<std::string> Plugins(const Build &build) {
    std::vector<std::string> found;
    const fs::path folder = DistDir(build) / "Plugins";
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file() && it->path().extension() == ".tlx") found.push_back(it->path().string());
    std::sort(found.begin(), found.end());
    return found;
}

pe::ExportTable ReadExports(const Build &build, const std::string &file) {
    return pe::ParseExports(pe::RunCommand(std::string(build.objdump) + " -p '" + file + "' 2>/dev/null"));
}

std::set<std::string> Names(const pe::ExportTable &table) {
    std::set<std::string> names;
    for (const auto &entry : table.rvaByName) names.insert(entry.first);
    return names;
}

std::string ReadText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::map<std::string, int> ContractParameterCounts() {
    auto counts = pe::WinapiParameterCounts(ReadText(PTR_SOURCE_DIR "/include/kxdll.h"));
    for (const auto &entry : pe::WinapiParameterCounts(ReadText(PTR_SOURCE_DIR "/include/tlx_plugin.h")))
        counts.insert(entry);
    return counts;
}

#define SKIP_WITHOUT_HOST_DLL(build)                                                              \
    if (!*(build).dir || !fs::exists(HostDll(build)))                                             \
        GTEST_SKIP() << "no " << (build).name << " build at '" << (build).dir << "' (KXDLL.dll missing)"

class ExportNames : public testing::TestWithParam<Build> {};

TEST_P(ExportNames, HostDllExportsExactlyItsNamesUndecorated) {
    SKIP_WITHOUT_HOST_DLL(GetParam());
    const pe::ExportTable table = ReadExports(GetParam(), HostDll(GetParam()));
    EXPECT_EQ(kHostExports, Names(table)) << HostDll(GetParam());
}

TEST_P(ExportNames, EveryStandardPluginExportsItsEntryPointsUndecorated) {
    SKIP_WITHOUT_HOST_DLL(GetParam());
    const auto plugins = Plugins(GetParam());
    if (plugins.empty()) GTEST_SKIP() << "no plug-ins in " << (DistDir(GetParam()) / "Plugins");
    for (const std::string &plugin : plugins) {
        SCOPED_TRACE(plugin);
        const std::set<std::string> names = Names(ReadExports(GetParam(), plugin));
        for (const std::string &name : kPluginExports) EXPECT_EQ(1u, names.count(name)) << "missing " << name;
        for (const std::string &name : names) EXPECT_EQ(std::string::npos, name.find('@')) << "decorated " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, ExportNames, testing::Values(kWin32, kWin64),
                         [](const auto &info) { return std::string(info.param.objdump == kWin32.objdump ? "Win32" : "Win64"); });

// Every return of the export must be `ret $N` with N = 4 x its parameter count.
void ExpectCalleePops(const std::string &file, const std::set<std::string> &exports,
                      const std::map<std::string, int> &counts) {
    SCOPED_TRACE(file);
    const pe::ExportTable table = ReadExports(kWin32, file);
    const pe::Disassembly code =
        pe::ParseDisassembly(pe::RunCommand(std::string(kWin32.objdump) + " -d --no-show-raw-insn '" + file + "'"));
    ASSERT_FALSE(code.instructions.empty()) << "no disassembly";
    for (const std::string &name : exports) {
        SCOPED_TRACE(name);
        ASSERT_EQ(1u, counts.count(name)) << "not declared in the contract headers";
        ASSERT_EQ(1u, table.rvaByName.count(name)) << "not exported";
        const int bytes = 4 * counts.at(name);
        const auto returns = pe::ReturnsOf(code, table.imageBase + table.rvaByName.at(name));
        // Without parameters the export may end by jumping on to another function (a tail
        // call): there is nothing to pop either way.
        if (bytes > 0) EXPECT_FALSE(returns.empty()) << "no return found";
        for (const std::string &ret : returns) {
            std::ostringstream expected;
            expected << "ret    $0x" << std::hex << bytes;
            if (bytes == 0)
                EXPECT_TRUE(ret == "ret" || ret == "ret    $0x0") << ret;
            else
                EXPECT_EQ(expected.str(), ret);
        }
    }
}

TEST(CalleePops, HostDllExportsPopTheirArguments) {
    SKIP_WITHOUT_HOST_DLL(kWin32);
    ExpectCalleePops(HostDll(kWin32), kHostExports, ContractParameterCounts());
}

TEST(CalleePops, PluginExportsPopTheirArguments) {
    SKIP_WITHOUT_HOST_DLL(kWin32);
    const auto plugins = Plugins(kWin32);
    if (plugins.empty()) GTEST_SKIP() << "no plug-ins in " << (DistDir(kWin32) / "Plugins");
    for (const std::string &plugin : plugins) ExpectCalleePops(plugin, kPluginExports, ContractParameterCounts());
    // The phrases list their settings.
    const auto snippet = std::find_if(plugins.begin(), plugins.end(), [](const std::string &p) { return p.find("tlxSnippet.tlx") != std::string::npos; });
    ASSERT_NE(plugins.end(), snippet);
    ExpectCalleePops(*snippet, {"PIN_NextFuncSetting"}, ContractParameterCounts());
}

}  // namespace
