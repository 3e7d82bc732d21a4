// The plug-in host classes against a scripted plug-in: what they keep, what they hand
// out, and that a plug-in's claims cannot make the host read without bound.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include <cstring>
#include <map>

#include "function_catalogue.h"
#include "vbKXPlugin.h"
#include "vbSubMenu.h"

using namespace ptr;

namespace {

struct FakeFunction {
    TlxFuncInfo info{};
    std::map<int32_t, std::string> names;   // setting number -> raw name bytes
    bool listed = false;                    // tells its settings through PIN_NextFuncSetting
};

class FakeProxy : public PluginProxy {
public:
    intptr_t loadResult = 0x1000;
    TlxPluginInfo info{};
    std::map<int32_t, FakeFunction> functions;
    int quits = 0, funcInfoCalls = 0, nameCalls = 0;
    std::string lastPath;
    struct Call { int32_t funcno, setno, callType; WindowHandle wnd; };
    std::vector<Call> calls;
    int32_t funcResult = 1;
    std::function<void()> whileInCall;   // what happens while the plug-in's function runs

    intptr_t Init(const std::string &path) override { lastPath = path; return loadResult; }
    void Quit(intptr_t) override { ++quits; }
    int32_t ShowAbout(intptr_t, WindowHandle) override { return 0; }
    int32_t ShowSetting(intptr_t, int32_t, int32_t, WindowHandle) override { return 0; }
    int32_t Func(intptr_t, int32_t f, int32_t s, WindowHandle w, int32_t t) override {
        calls.push_back({f, s, t, w});
        if (whileInCall) std::exchange(whileInCall, nullptr)();
        return funcResult;
    }
    void GetInfo(intptr_t, TlxPluginInfo &out) override { out = info; }
    void GetFuncInfo(intptr_t, int32_t funcno, TlxFuncInfo &out) override {
        ++funcInfoCalls;
        auto it = functions.find(funcno);
        if (it != functions.end()) out = it->second.info;
    }
    int32_t GetFuncSettingName(intptr_t, int32_t funcno, int32_t setno, char *buffer, int32_t size) override {
        ++nameCalls;
        auto f = functions.find(funcno);
        if (f == functions.end()) return 0;
        auto n = f->second.names.find(setno);
        if (n == f->second.names.end()) return 0;
        const int32_t len = static_cast<int32_t>(std::min<size_t>(n->second.size(), size));
        if (buffer) std::strncpy(buffer, n->second.c_str(), size);
        if (buffer && n->second.size() >= static_cast<size_t>(size)) std::memcpy(buffer, n->second.data(), size);
        return len;
    }

    int32_t NextFuncSetting(intptr_t, int32_t funcno, int32_t after) override {
        const auto f = functions.find(funcno);
        if (f == functions.end() || !f->second.listed) return -1;
        const auto next = f->second.names.upper_bound(after);
        return next == f->second.names.end() ? 0 : next->first;
    }

    FakeFunction &AddFunction(int32_t funcno, const char *name, int32_t settings, int32_t type = TLX_FUNC_ACTION) {
        FakeFunction &f = functions[funcno];
        std::strncpy(f.info.Name, name, sizeof f.info.Name);
        f.info.FuncNameNumMax = settings;
        f.info.FunctionType = type;
        return f;
    }
};

void SetName(TlxPluginInfo &info, const std::string &name) {
    std::memset(info.Name, 0, sizeof info.Name);
    std::memcpy(info.Name, name.data(), std::min(name.size(), sizeof info.Name));
}

}  // namespace

TEST(vbKXPlugin, ReadsInfoFunctionsAndSettingNames) {
    FakeProxy proxy;
    SetName(proxy.info, "テキスト");
    std::strcpy(proxy.info.Version, "1.00");
    proxy.info.IsAbout = 1;
    proxy.info.FuncCount = 2;
    proxy.AddFunction(1, "テキストのみ", 1).names[1] = "既定";
    proxy.AddFunction(2, "検索", 3, TLX_FUNC_CHECK).names[2] = "二番";

    std::vector<std::string> progress;
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("C:\\app\\Plugins\\", "tlxTest.tlx",
                            [&](const std::string &text, int step) { progress.push_back(text + "|" + std::to_string(step)); }));
    EXPECT_EQ("C:\\app\\Plugins\\tlxTest.tlx", proxy.lastPath);
    EXPECT_EQ("tlxTest.tlx", plugin.PluginFileName());
    EXPECT_EQ("テキスト", plugin.PluginName());
    EXPECT_EQ("1.00", plugin.PluginVersion());
    EXPECT_TRUE(plugin.IsAbout());
    EXPECT_FALSE(plugin.IsSetting());
    ASSERT_EQ(2, plugin.PluginFuncNumber());
    EXPECT_EQ("テキストのみ", plugin.PluginFunction(1)->FunctionName());
    EXPECT_EQ("既定", plugin.PluginFunction(1)->SettingName(1));
    EXPECT_EQ(TLX_FUNC_CHECK, plugin.PluginFunction(2)->FunctionType());
    EXPECT_EQ("(設定名無し)", plugin.PluginFunction(2)->SettingName(1));
    EXPECT_EQ("二番", plugin.PluginFunction(2)->SettingName(2));
    EXPECT_EQ("(設定名無し)", plugin.PluginFunction(2)->SettingName(0));
    EXPECT_EQ("(設定名無し)", plugin.PluginFunction(2)->SettingName(4));
    EXPECT_EQ(nullptr, plugin.PluginFunction(0));
    EXPECT_EQ(nullptr, plugin.PluginFunction(3));
    ASSERT_EQ(2u, progress.size());
    EXPECT_EQ("プラグインの機能情報を読み込んでいます...\r\ntlxTest.tlx / 2|10", progress[1]);
}

TEST(vbKXPlugin, FullWidthFieldsWithoutTerminatorComeBackWhole) {
    FakeProxy proxy;
    const std::string name64(64, 'N');
    SetName(proxy.info, name64);
    proxy.info.FuncCount = 1;
    proxy.AddFunction(1, "f", 1).names[1] = std::string(256, 'S');
    std::memset(proxy.functions[1].info.Name, 'F', 64);
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "x.tlx"));
    EXPECT_EQ(name64, plugin.PluginName());
    EXPECT_EQ(std::string(64, 'F'), plugin.PluginFunction(1)->FunctionName());
    EXPECT_EQ(std::string(256, 'S'), plugin.PluginFunction(1)->SettingName(1));
}

TEST(vbKXPlugin, FunctionCountZeroAndFailedLoad) {
    FakeProxy proxy;
    {
        vbKXPlugin plugin(proxy);
        ASSERT_TRUE(plugin.Init("", "empty.tlx"));
        EXPECT_EQ(0, plugin.PluginFuncNumber());
        EXPECT_EQ(0, proxy.funcInfoCalls);
    }
    EXPECT_EQ(1, proxy.quits);

    proxy.loadResult = kPluginNotLoaded;
    {
        vbKXPlugin plugin(proxy);
        EXPECT_FALSE(plugin.Init("", "broken.tlx"));
        EXPECT_EQ(0, plugin.CallFunc(1, 1, nullptr, 0));
    }
    EXPECT_EQ(1, proxy.quits) << "a plug-in that never loaded is not quit";
    EXPECT_TRUE(proxy.calls.empty());
}

TEST(vbKXPlugin, AbsurdCountsAreBounded) {
    FakeProxy proxy;
    proxy.info.FuncCount = INT32_MAX;
    proxy.AddFunction(1, "huge", INT32_MAX);
    proxy.AddFunction(2, "negative", -5);
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "liar.tlx"));
    EXPECT_EQ(kMaxPluginFunctions, plugin.PluginFuncNumber());
    EXPECT_EQ(kMaxFunctionSettings, plugin.PluginFunction(1)->FuncNameNumMax());
    EXPECT_EQ(0, plugin.PluginFunction(2)->FuncNameNumMax());
    EXPECT_EQ("(設定名無し)", plugin.PluginFunction(2)->SettingName(1));

    FakeProxy negative;
    negative.info.FuncCount = -3;
    vbKXPlugin none(negative);
    ASSERT_TRUE(none.Init("", "neg.tlx"));
    EXPECT_EQ(0, none.PluginFuncNumber());
}

TEST(vbKXPlugin, SettingNameIsAskedAgainAfterItsDialog) {
    FakeProxy proxy;
    proxy.info.FuncCount = 1;
    proxy.AddFunction(1, "検索", 2).names[1] = "Google";
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "net.tlx"));
    proxy.functions[1].names[1] = "Yahoo";
    proxy.functions[1].names[2] = "新規";
    plugin.PluginFunction(1)->LoadSettingName(1);
    EXPECT_EQ("Yahoo", plugin.PluginFunction(1)->SettingName(1));
    EXPECT_EQ("(設定名無し)", plugin.PluginFunction(1)->SettingName(2)) << "only the asked setting is read";
    plugin.PluginFunction(1)->LoadSettingName(99);   // out of range: ignored
}

TEST(vbKXPlugin, ReloadedFunctionsForgetOldNamesAndOfferWhatExists) {
    FakeProxy proxy;
    proxy.info.FuncCount = 1;
    FakeFunction &phrases = proxy.AddFunction(1, "定型文", 3);
    phrases.names = {{1, "挨拶/a"}, {2, "挨拶/b"}, {3, "署名/c"}};
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "snippet.tlx"));
    const vbKXPluginFunction *function = plugin.PluginFunction(1);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3}), function->OfferedSettings());

    phrases.info.FuncNameNumMax = 5;
    phrases.names = {{1, "挨拶/a"}, {3, "署名/c2"}, {5, "新/e"}};   // 2 deleted, 3 renamed, 4 and 5 added, 4 deleted
    const struct {
        uint8_t flags;
        std::vector<int32_t> offered;
    } cases[] = {{0, {1, 2, 3, 4, 5}}, {TLX_FUNC_NAMED_SETTINGS_ONLY, {1, 3, 5}}};
    for (const auto &c : cases) {
        phrases.info.Flags = c.flags;
        plugin.ReloadFunctions();
        ASSERT_EQ(function, plugin.PluginFunction(1)) << "the same object, as callers may hold it";
        EXPECT_EQ(5, function->FuncNameNumMax());
        EXPECT_EQ(c.offered, function->OfferedSettings()) << int(c.flags);
        EXPECT_EQ("(設定名無し)", function->SettingName(2)) << "a deleted setting's old name is forgotten";
        EXPECT_EQ("署名/c2", function->SettingName(3));
        EXPECT_EQ("新/e", function->SettingName(5));
    }
}

TEST(vbKXPlugin, CallFuncForwardsEverythingAndReturnsTheVerdict) {
    FakeProxy proxy;
    proxy.funcResult = 7;
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "a.tlx"));
    int window = 0;
    EXPECT_EQ(7, plugin.CallFunc(2, 3, &window, TLX_CALL_HOTKEY));
    ASSERT_EQ(1u, proxy.calls.size());
    EXPECT_EQ(2, proxy.calls[0].funcno);
    EXPECT_EQ(3, proxy.calls[0].setno);
    EXPECT_EQ(TLX_CALL_HOTKEY, proxy.calls[0].callType);
    EXPECT_EQ(&window, proxy.calls[0].wnd);
}

TEST(vbKXPlugin, APluginIsNeverCalledAgainWhileItsCallRuns) {
    FakeProxy proxy;
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "a.tlx"));
    int32_t nested = -1;
    // A copy handled while the plug-in's window waits for the user, in that window's loop.
    proxy.whileInCall = [&] { nested = plugin.CallFunc(1, 1, nullptr, TLX_CALL_WATCH); };
    EXPECT_EQ(1, plugin.CallFunc(2, 1, nullptr, TLX_CALL_HOTKEY));
    EXPECT_EQ(0, nested);
    EXPECT_EQ(1u, proxy.calls.size()) << "the nested call never reached the plug-in";
    EXPECT_EQ(1, plugin.CallFunc(1, 1, nullptr, TLX_CALL_WATCH)) << "called again once the first call returned";
}

TEST(PluginList, FindsByFileNameIgnoringCase) {
    FakeProxy proxy;
    PluginList list;
    auto p = std::make_unique<vbKXPlugin>(proxy);
    ASSERT_TRUE(p->Init("", "tlxText.tlx"));
    list.Add(std::move(p));
    EXPECT_NE(nullptr, list.Find("TLXTEXT.TLX"));
    EXPECT_EQ(nullptr, list.Find("tlxText"));
    list.Clear();
    EXPECT_EQ(1, proxy.quits);
}

TEST(ParsePluginFunction, ThreePartsOrIncomplete) {
    const PluginFunctionRef ref = ParsePluginFunction("tlxText.tlx/2/1");
    EXPECT_TRUE(ref.complete);
    EXPECT_EQ("tlxText.tlx", ref.fileName);
    EXPECT_EQ(2, ref.funcno);
    EXPECT_EQ(1, ref.setno);
    EXPECT_FALSE(ParsePluginFunction("tlxText.tlx/2").complete);
    EXPECT_FALSE(ParsePluginFunction("").complete);
    EXPECT_EQ(0, ParsePluginFunction("a.tlx/x/y").funcno);
}

TEST(vbKXPlugin, ListedSettingsAreReadWhateverTheirNumbersAndOnlyThey) {
    FakeProxy proxy;
    proxy.info.FuncCount = 1;
    FakeFunction &phrases = proxy.AddFunction(1, "定型文", INT32_MAX);
    phrases.listed = true;
    phrases.names = {{3, "挨拶/a"}, {517'000'001, "署名/b"}, {1'000'000'007, "チーム/挨拶/c"}};
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "snippet.tlx"));
    const vbKXPluginFunction *function = plugin.PluginFunction(1);
    EXPECT_EQ((std::vector<int32_t>{3, 517'000'001, 1'000'000'007}), function->OfferedSettings());
    EXPECT_EQ("署名/b", function->SettingName(517'000'001));
    EXPECT_EQ("(設定名無し)", function->SettingName(4));
    EXPECT_EQ(3, proxy.nameCalls) << "no name asked for a number that is no setting";
    EXPECT_EQ(1'000'000'007, function->FuncNameNumMax());

    // A setting added while its dialog was open is asked for by its number.
    phrases.names[2'000'000'000] = "新";
    plugin.PluginFunction(1)->LoadSettingName(2'000'000'000);
    EXPECT_EQ("新", function->SettingName(2'000'000'000));
    EXPECT_EQ(4u, function->OfferedSettings().size());
}

TEST(vbKXPlugin, APluginListingNumbersThatDoNotGrowCannotKeepTheHostGoing) {
    struct Circling : FakeProxy {
        int32_t NextFuncSetting(intptr_t, int32_t, int32_t after) override { return after == 0 ? 5 : 1; }
    } proxy;
    proxy.info.FuncCount = 1;
    proxy.AddFunction(1, "輪", 1).names[5] = "five";
    vbKXPlugin plugin(proxy);
    ASSERT_TRUE(plugin.Init("", "circle.tlx"));
    EXPECT_EQ((std::vector<int32_t>{5}), plugin.PluginFunction(1)->OfferedSettings());
}

// A phrase numbered 999,999,999 once made the menu of plug-in functions list 100,000
// unnamed settings, and building it kept the program from ever starting.
TEST(vbSubMenu, APluginsFunctionOffersOnlyTheSettingsThereAre) {
    const struct {
        const char *what;
        bool listed;
        std::vector<std::string> items;
    } cases[] = {{"numbered 1 .. FuncNameNumMax, named only", false, {"挨拶/a"}},
                 {"listed", true, {"挨拶/a", "署名/b"}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FakeProxy proxy;
        proxy.info.FuncCount = 1;
        FakeFunction &phrases = proxy.AddFunction(1, "定型文を貼り付け", 999'999'999);
        phrases.info.Flags = TLX_FUNC_NAMED_SETTINGS_ONLY;
        phrases.names = {{1, "挨拶/a"}, {999'999'999, "署名/b"}};
        phrases.listed = c.listed;
        PluginList list;
        auto plugin = std::make_unique<vbKXPlugin>(proxy);
        ASSERT_TRUE(plugin->Init("", "tlxSnippet.tlx"));
        list.Add(std::move(plugin));
        vbSubMenu root;
        root.LoadPluginFunctions(list);
        std::vector<std::string> items;
        for (const auto &item : root.Children().at(0)->Children().at(0)->Children()) items.push_back(item->Caption);
        EXPECT_EQ(c.items, items);
    }
}
