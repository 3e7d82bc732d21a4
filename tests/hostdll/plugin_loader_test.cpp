// Loading plug-ins and forwarding to them by id, with a plug-in that records
// every call it gets (plugin/recording_plugin.cpp).
#include <gtest/gtest.h>
#include <cstring>
#include <sstream>

#include "kxdll_loader.h"
#include "wine_support.h"

namespace {

using Lines = std::vector<std::string>;

class PluginLoader : public kxtest::KxTest {
protected:
    void SetUp() override {
        KxTest::SetUp();
        log_ = dir_.path + "calls.log";
        SetEnvironmentVariableA("KXTEST_PLUGIN_LOG", log_.c_str());
    }
    void TearDown() override {
        kx.Unload();
        SetEnvironmentVariableA("KXTEST_PLUGIN_LOG", nullptr);
    }

    // A copy of a test plug-in under its own name: a module of its own.
    std::string Plugin(const char *built, const std::string &name) {
        const std::string path = dir_.path + name;
        EXPECT_TRUE(ptrtest::CopyFileTo(ptrtest::TestBinDir() + built, path)) << built;
        return path;
    }
    INT_PTR Load(const std::string &name) {
        return kx.Plugin_Init(Plugin("kxtest_recording.tlx", name + ".tlx").c_str());
    }
    Lines Calls() const {
        Lines lines;
        std::istringstream in(ptrtest::ReadFileBytes(log_));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::string Dir() const { return dir_.path; }

private:
    ptrtest::TempDir dir_;  // outlives the plug-ins, which kx frees first
    std::string log_;
};

constexpr unsigned char kUntouched = 0xCD;

TEST_F(PluginLoader, TheSecondPluginKeepsWorkingWhenTheFirstIsQuit) {
    const INT_PTR a = Load("first"), b = Load("second");
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, a);
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, b);
    EXPECT_NE(0, a);
    EXPECT_NE(a, b);

    kx.Plugin_Quit(a);
    EXPECT_EQ(2002, kx.Plugin_Func(b, 2, 2, nullptr, TLX_CALL_MENU, 0));
    TlxPluginInfo info = {};
    kx.Plugin_GetInfo(b, &info);
    EXPECT_EQ("second", std::string(info.Name, 6));
    EXPECT_EQ(0, kx.Plugin_Func(a, 2, 2, nullptr, TLX_CALL_MENU, 0));

    EXPECT_EQ((Lines{"first Init", "second Init", "first Quit", "second Func 2 2 0 3 0", "second GetInfo"}), Calls());
}

TEST_F(PluginLoader, TheHostsServicesComeBeforeInitToThePluginsThatTakeThem) {
    const INT_PTR before = Load("before");
    static const TlxHost host{sizeof(TlxHost), nullptr, 100};
    kx.SetPluginHost(&host);
    const INT_PTR taking = Load("taking");
    const INT_PTR older = kx.Plugin_Init(Plugin("kxtest_older.tlx", "older.tlx").c_str());
    kx.SetPluginHost(nullptr);
    const INT_PTR after = Load("after");
    for (const INT_PTR id : {before, taking, older, after}) EXPECT_NE(KX_PLUGIN_NOT_LOADED, id);
    EXPECT_EQ(2002, kx.Plugin_Func(older, 2, 2, nullptr, TLX_CALL_MENU, 0)) << "an older plug-in works as before";
    const std::string setHost = "taking SetHost " + std::to_string(sizeof(TlxHost)) + " scale 100";
    EXPECT_EQ((Lines{"before Init", setHost, "taking Init", "older Init", "after Init", "older Func 2 2 0 3 0"}),
              Calls());
}

// The record as the host has it, up to its Size: a newer field reaches the plug-in,
// and a plug-in sees the Size of an older host's shorter record.
TEST_F(PluginLoader, TheHostsRecordArrivesAsTheHostFilledIt) {
    static const TlxHost helpMode{sizeof(TlxHost), nullptr, 130};
    static const TlxHost older{offsetof(TlxHost, WindowScalePercent), nullptr, 999};
    kx.SetPluginHost(&helpMode);
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, Load("help"));
    kx.SetPluginHost(&older);
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, Load("old"));
    kx.SetPluginHost(nullptr);
    EXPECT_EQ((Lines{"help SetHost " + std::to_string(sizeof(TlxHost)) + " scale 130", "help Init",
                     "old SetHost " + std::to_string(2 * sizeof(void *)), "old Init"}),
              Calls());
}

TEST_F(PluginLoader, FilesThatAreNotCompletePluginsAreRefusedUnused) {
    const std::string text = Dir() + "text.tlx";
    ASSERT_TRUE(ptrtest::WriteFileBytes(text, "This is not a library.\r\n"));
    EXPECT_EQ(KX_PLUGIN_NOT_LOADED, kx.Plugin_Init(text.c_str()));
    EXPECT_EQ(KX_PLUGIN_NOT_LOADED, kx.Plugin_Init((Dir() + "missing.tlx").c_str()));
    EXPECT_EQ(KX_PLUGIN_NOT_LOADED, kx.Plugin_Init(nullptr));

    // Loaded (its DllMain ran) and freed again without a single call.
    EXPECT_EQ(KX_PLUGIN_NOT_LOADED, kx.Plugin_Init(Plugin("kxtest_incomplete.tlx", "partial.tlx").c_str()));
    EXPECT_EQ((Lines{"partial attach", "partial detach"}), Calls());
    EXPECT_EQ(nullptr, GetModuleHandleA("partial.tlx"));
}

TEST_F(PluginLoader, UnknownIdsCallNothingAndLeaveBuffersUntouched) {
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, Load("loaded"));
    const INT_PTR unknown[] = {KX_PLUGIN_NOT_LOADED, 0, 12345,
                               reinterpret_cast<INT_PTR>(GetModuleHandleA(nullptr)),
                               reinterpret_cast<INT_PTR>(kx.module)};
    for (INT_PTR id : unknown) {
        SCOPED_TRACE(testing::Message() << "id " << id);
        std::vector<unsigned char> info(sizeof(TlxPluginInfo), kUntouched), func(sizeof(TlxFuncInfo), kUntouched),
            name(TLX_SETTING_NAME_SIZE, kUntouched);
        EXPECT_EQ(0, kx.Plugin_GetInfo(id, reinterpret_cast<TlxPluginInfo *>(info.data())));
        EXPECT_EQ(0, kx.Plugin_GetFuncInfo(id, 1, reinterpret_cast<TlxFuncInfo *>(func.data())));
        EXPECT_EQ(0, kx.Plugin_GetFuncSettingName(id, 1, 1, reinterpret_cast<char *>(name.data()), 256));
        EXPECT_EQ(0, kx.Plugin_Func(id, 1, 1, nullptr, TLX_CALL_HOTKEY, 0));
        EXPECT_EQ(0, kx.Plugin_ShowSetting(id, 1, 1, nullptr));
        EXPECT_EQ(0, kx.Plugin_ShowAbout(id, nullptr));
        kx.Plugin_Quit(id);
        for (auto *buffer : {&info, &func, &name})
            EXPECT_EQ(buffer->size(), size_t(std::count(buffer->begin(), buffer->end(), kUntouched)));
    }
    EXPECT_EQ((Lines{"loaded Init"}), Calls());
}

TEST_F(PluginLoader, RecordsNamesAndArgumentsPassThroughUnchanged) {
    const INT_PTR zero = Load("zero"), plugin = Load("plugin");
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, zero);
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, plugin);

    // A 64-byte name without terminator and a count of 0; nothing beyond the record.
    std::vector<unsigned char> info(sizeof(TlxPluginInfo) + 16, 0);
    std::fill(info.begin() + sizeof(TlxPluginInfo), info.end(), kUntouched);
    kx.Plugin_GetInfo(zero, reinterpret_cast<TlxPluginInfo *>(info.data()));
    const auto *record = reinterpret_cast<const TlxPluginInfo *>(info.data());
    EXPECT_EQ("zero" + std::string(60, '#'), std::string(record->Name, sizeof record->Name));
    EXPECT_STREQ("1.00", record->Version);
    EXPECT_EQ(0, record->FuncCount);
    EXPECT_EQ(16, std::count(info.begin() + sizeof(TlxPluginInfo), info.end(), kUntouched));

    TlxFuncInfo func = {};
    kx.Plugin_GetFuncInfo(plugin, 2, &func);
    EXPECT_STREQ("func2", func.Name);
    EXPECT_EQ(2, func.FuncNameNumMax);
    EXPECT_EQ(TLX_FUNC_CHECK, func.FunctionType);

    // A setting name filling the whole buffer comes back without terminator.
    std::vector<char> name(TLX_SETTING_NAME_SIZE + 8, static_cast<char>(kUntouched));
    EXPECT_EQ(256, kx.Plugin_GetFuncSettingName(plugin, 1, 1, name.data(), 256));
    EXPECT_EQ("long-" + std::string(251, 'b'), std::string(name.data(), 256));
    EXPECT_EQ(8, std::count(name.begin() + 256, name.end(), static_cast<char>(kUntouched)));
    EXPECT_EQ(256, kx.Plugin_GetFuncSettingName(plugin, 1, 1, nullptr, 256)) << "a null buffer asks for the length";
    EXPECT_EQ(5, kx.Plugin_GetFuncSettingName(plugin, 1, 2, name.data(), 256));
    EXPECT_STREQ("short", name.data());
    EXPECT_EQ(0, kx.Plugin_GetFuncSettingName(plugin, 1, 3, name.data(), 256));
    EXPECT_EQ(-1, kx.Plugin_NextFuncSetting(plugin, 1, 0)) << "without the export: settings 1 .. FuncNameNumMax";

    // Window handles keep all their bits; every argument arrives as given.
    const HWND wide = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x123456789a));
    EXPECT_EQ(1002, kx.Plugin_Func(plugin, 1, 2, wide, TLX_CALL_EXTERNAL, 0));
    EXPECT_EQ(201, kx.Plugin_ShowSetting(plugin, 2, 1, wide));
    EXPECT_EQ(77, kx.Plugin_ShowAbout(plugin, wide));

    // A missing record buffer would only crash the plug-in: it is not called.
    EXPECT_EQ(0, kx.Plugin_GetInfo(plugin, nullptr));
    EXPECT_EQ(0, kx.Plugin_GetFuncInfo(plugin, 1, nullptr));

    EXPECT_EQ((Lines{"zero Init", "plugin Init", "zero GetInfo", "plugin GetFuncInfo 2",
                     "plugin GetFuncSettingName 1 1 buffer 256", "plugin GetFuncSettingName 1 1 null 256",
                     "plugin GetFuncSettingName 1 2 buffer 256", "plugin GetFuncSettingName 1 3 buffer 256",
                     "plugin Func 1 2 123456789a 4 0", "plugin ShowSetting 2 1 123456789a",
                     "plugin ShowAbout 123456789a"}),
              Calls());
}

TEST_F(PluginLoader, UnloadingTheHostQuitsEveryLoadedPluginOnceInOrder) {
    const INT_PTR a = Load("a"), b = Load("b"), c = Load("c");
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, a);
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, b);
    ASSERT_NE(KX_PLUGIN_NOT_LOADED, c);
    kx.Plugin_Quit(b);
    kx.Unload();
    EXPECT_EQ((Lines{"a Init", "b Init", "c Init", "b Quit", "a Quit", "c Quit"}), Calls());
    for (const char *name : {"a.tlx", "b.tlx", "c.tlx"}) EXPECT_EQ(nullptr, GetModuleHandleA(name)) << name;
}

}  // namespace
