// Clipboard-format names and watch actions: reading CF_Type.ini, format lists, the
// watch list in Setting.ini and which actions a clipboard change runs.
#include <gtest/gtest.h>

#include "fakes.h"
#include "change_formats.h"
#include "shared_watch_list.h"
#include "watch_actions.h"

using namespace ptr;
using fntest::FakeFormats;
using fntest::FakePlugins;
using ptrtest::MemoryIni;

namespace {

// The formats of one change as the program's look at the copy gives them.
tlx::FormatPresence Look(FakeFormats &formats, std::optional<std::vector<uint32_t>> listed) {
    return tlx::FormatPresence(std::move(listed),
                               [&formats](uint32_t format) { return formats.IsAvailable(static_cast<int32_t>(format)); });
}

void AddType(MemoryIni &ini, int n, const std::string &name, const std::string &value) {
    ini.SetText(kClipboardTypeSection, NumberedKey(n, "Name"), name);
    ini.SetText(kClipboardTypeSection, NumberedKey(n, "Value"), value);
}

struct Types : ::testing::Test {
    MemoryIni cfType;
    FakeFormats formats;
    ClipboardTypeList types;
    void SetUp() override {
        AddType(cfType, 1, "テキスト", "1");
        AddType(cfType, 2, "HTML形式", "HTML Format");
        AddType(cfType, 3, "Unicode", " 13.0 ");
        types.Load(cfType, formats);
    }
};

}  // namespace

TEST_F(Types, LoadKeepsFileOrderAndRegistersNames) {
    ASSERT_EQ(types.Items().size(), 3u);
    EXPECT_EQ(types.Items()[0].ID, 1);
    EXPECT_EQ(types.Items()[1].ID, 0xC000) << "a name is registered";
    EXPECT_EQ(types.Items()[2].ID, 13) << "a number with blanks and a fraction of zero is a number";
    EXPECT_EQ(types.Items()[1].Name, "HTML形式");
    EXPECT_FALSE(types.IsEmpty());
}

TEST_F(Types, ListEndsAtFirstEmptyName) {
    MemoryIni ini;
    AddType(ini, 1, "A", "1");
    AddType(ini, 2, "", "2");
    AddType(ini, 3, "C", "3");
    ClipboardTypeList list;
    list.Load(ini, formats);
    EXPECT_EQ(list.Items().size(), 1u);

    ClipboardTypeList none;
    none.Load(MemoryIni(), formats);
    ASSERT_EQ(none.Items().size(), 1u) << "an empty file still gives one element";
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(none.Items()[0].ID, 0);
}

TEST_F(Types, IdOfTextMatchesValueColumnCaseInsensitivelyBeforeRegistering) {
    EXPECT_EQ(types.GetClipboardTypeID("html format", formats), 0xC000);
    EXPECT_EQ(formats.RegisteredCount(), 1u) << "no new registration for a known value";
    EXPECT_EQ(types.GetClipboardTypeID("My Format", formats), 0xC001);
    EXPECT_EQ(formats.RegisteredCount(), 2u);
}

TEST_F(Types, NameOfNumber) {
    EXPECT_EQ(types.GetClipboardTypeName(1, formats), "テキスト");
    EXPECT_EQ(types.GetClipboardTypeName(formats.Register("Other"), formats), "Other") << "the system's name";
    EXPECT_EQ(types.GetClipboardTypeName(8, formats), " 8") << "a predefined format without an entry";
    EXPECT_EQ(types.GetClipboardTypeName(0, formats), " 0") << "the empty element names nothing";
}

TEST_F(Types, ParseAndJoinTypeLists) {
    const auto list = types.ParseTypeList("1,HTML FORMAT,49999,New", formats);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].Name, "テキスト");
    EXPECT_EQ(list[1].ID, 0xC000);
    EXPECT_EQ(list[1].Value, "HTML FORMAT") << "the value is kept as written";
    EXPECT_EQ(list[2].ID, 49999);
    EXPECT_EQ(list[3].Name, "New");
    EXPECT_EQ(TypeListToText(list), "1,HTML FORMAT,49999,New");

    const auto empty = types.ParseTypeList("", formats);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].ID, 0);
    EXPECT_EQ(TypeListToText(empty), "");
}

namespace {

struct Watch : ::testing::Test {
    FakePlugins proxy;
    PluginList plugins;
    FakeFormats formats;
    ClipboardTypeList types;
    std::vector<std::string> ran;

    void SetUp() override {
        auto &p = proxy.Define("probe.tlx", "Probe");
        p.functions = {{"Act", TLX_FUNC_ACTION}, {"Yes", TLX_FUNC_CHECK, {"(1)"}, 1},
                       {"No", TLX_FUNC_CHECK, {"(1)"}, 0}, {"Yes2", TLX_FUNC_CHECK, {"(1)"}, 1}};
        proxy.LoadInto(plugins, {"probe.tlx"});
    }
    static WatchAction Action(const std::string &option, bool allType, std::vector<std::string> checks = {},
                              bool andMode = true) {
        WatchAction a;
        a.Enable = true;
        a.AllType = allType;
        a.Function = 3;
        a.Option = option;
        a.PluginCheck = std::move(checks);
        a.PluginCheckAnd = andMode;
        return a;
    }
    void Evaluate(const WatchActionList &list) {
        ran.clear();
        EvaluateWatchActions(list, formats, plugins, nullptr, [&](const WatchAction &a) { ran.push_back(a.Option); });
    }
    size_t CheckCalls() const {
        size_t n = 0;
        for (const auto &c : proxy.calls) n += c.callType == TLX_CALL_CHECK;
        return n;
    }
};

}  // namespace

TEST_F(Watch, FormatCondition) {
    formats.present = {13};
    WatchAction a = Action("a", false);
    a.Type = types.ParseTypeList("1,13,7", formats);
    EXPECT_TRUE(CheckClipboardType(false, a.Type, formats));
    EXPECT_EQ(formats.asked, (std::vector<int32_t>{1, 13})) << "stops at the first available format";
    EXPECT_FALSE(CheckClipboardType(false, types.ParseTypeList("", formats), formats))
        << "no types and AllType off never matches";
    EXPECT_TRUE(CheckClipboardType(true, types.ParseTypeList("", formats), formats));
}

TEST_F(Watch, AndOrChecks) {
    EXPECT_TRUE(CheckPluginCondition({}, true, plugins, nullptr)) << "no checks";
    EXPECT_TRUE(CheckPluginCondition({"probe.tlx/2/1", "PROBE.TLX/4/1"}, true, plugins, nullptr));
    EXPECT_FALSE(CheckPluginCondition({"probe.tlx/2/1", "probe.tlx/3/1", "probe.tlx/4/1"}, true, plugins, nullptr));
    EXPECT_EQ(CheckCalls(), 4u) << "AND stops at the first refusal";

    proxy.calls.clear();
    EXPECT_TRUE(CheckPluginCondition({"probe.tlx/2/1", "probe.tlx/3/1", "probe.tlx/4/1"}, false, plugins, nullptr));
    EXPECT_EQ(CheckCalls(), 3u) << "OR calls every check, even after an acceptance";
    EXPECT_FALSE(CheckPluginCondition({"probe.tlx/3/1"}, false, plugins, nullptr));
}

TEST_F(Watch, ChecksOfUnloadedOrIncompleteReferencesCountNeitherWay) {
    EXPECT_FALSE(CheckPluginCondition({"gone.tlx/2/1", "gone.tlx/3/1"}, true, plugins, nullptr))
        << "AND with only unloaded plug-ins never matches";
    EXPECT_TRUE(CheckPluginCondition({"gone.tlx/3/1", "probe.tlx/2/1"}, true, plugins, nullptr));
    proxy.calls.clear();
    EXPECT_FALSE(CheckPluginCondition({"probe.tlx/2", "probe.tlx", "", "/2/1"}, false, plugins, nullptr));
    EXPECT_TRUE(proxy.calls.empty()) << "references with fewer than three parts call nothing";
}

TEST_F(Watch, EveryMatchingActionRunsInOrderAndChecksRunEvenWhenFormatFails) {
    formats.present = {1};
    WatchActionList list;
    list.push_back(Action("first", true));
    WatchAction wrongFormat = Action("wrong format", false, {"probe.tlx/2/1"});
    wrongFormat.Type = types.ParseTypeList("13", formats);
    list.push_back(wrongFormat);
    WatchAction disabled = Action("disabled", true);
    disabled.Enable = false;
    list.push_back(disabled);
    list.push_back(Action("refused", true, {"probe.tlx/3/1"}));
    WatchAction text = Action("text", false, {"probe.tlx/2/1", "probe.tlx/3/1"}, false);
    text.Type = types.ParseTypeList("13,1", formats);
    list.push_back(text);

    Evaluate(list);
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "text"}));
    ASSERT_FALSE(proxy.calls.empty());
    EXPECT_EQ(proxy.calls.front(), (FakePlugins::Call{"probe.tlx", 2, 1, TLX_CALL_CHECK}))
        << "the check of the action whose format failed was still called";
}

TEST_F(Watch, EmptyListRunsNothing) {
    WatchActionList list = EmptyWatchList();
    list.front().Enable = true;
    list.front().AllType = true;
    list.push_back(Action("after placeholder", true));
    Evaluate(list);
    EXPECT_TRUE(ran.empty()) << "a first element with Function -1 makes the whole list empty";
}

TEST_F(Watch, LoadSaveRoundTripAndEndMarker) {
    MemoryIni ini;
    ini.SetNumber(kWatchSection, "001Function", 1);
    ini.SetText(kWatchSection, "001Enable", " 1");
    ini.SetText(kWatchSection, "001Type", "1,HTML Format");
    ini.SetText(kWatchSection, "001Option", "probe.tlx/1/1");
    ini.SetText(kWatchSection, "001PluginCheck", "probe.tlx/2/1,probe.tlx/3/1");
    ini.SetText(kWatchSection, "001PluginCheckAnd", " 0");
    ini.SetNumber(kWatchSection, "002Function", 3);   // every other key missing
    ini.SetNumber(kWatchSection, "003Function", -1);
    ini.SetNumber(kWatchSection, "004Function", 0);   // dead entry after the marker

    std::vector<std::string> progress;
    const WatchActionList list =
        LoadWatchActions(ini, types, formats, [&](const std::string &t, int) { progress.push_back(t); });
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(list[0].Enable);
    EXPECT_FALSE(list[0].PluginCheckAnd);
    EXPECT_EQ(list[0].PluginCheck, (std::vector<std::string>{"probe.tlx/2/1", "probe.tlx/3/1"}));
    EXPECT_EQ(list[0].Type[1].ID, 0xC000);
    EXPECT_FALSE(list[1].Enable);
    EXPECT_TRUE(list[1].PluginCheckAnd) << "default";
    EXPECT_TRUE(list[1].PluginCheck.empty());
    ASSERT_EQ(list[1].Type.size(), 1u);
    EXPECT_EQ(list[1].Type[0].ID, 0);
    EXPECT_EQ(progress.size(), 3u);
    EXPECT_EQ(progress.back(), "クリップボード監視動作を読み込んでいます...\r\nData 3");

    MemoryIni saved;
    SaveWatchActions(list, saved);
    EXPECT_EQ(saved.GetText(kWatchSection, "001Type", "?"), "1,HTML Format");
    EXPECT_EQ(saved.GetText(kWatchSection, "001PluginCheckAnd", "?"), " 0");
    EXPECT_EQ(saved.GetText(kWatchSection, "002Type", "?"), "");
    EXPECT_EQ(saved.GetText(kWatchSection, "003Function", "?"), "-1");
    EXPECT_EQ(saved.KeyCount(kWatchSection), 15u) << "seven keys per entry and the marker";

    MemoryIni emptySaved;
    SaveWatchActions(EmptyWatchList(), emptySaved);
    EXPECT_EQ(emptySaved.GetText(kWatchSection, "001Function", "?"), "-1");
    EXPECT_EQ(emptySaved.GetText(kWatchSection, "002Function", "?"), "-1");
    EXPECT_TRUE(IsEmptyWatchList(LoadWatchActions(emptySaved, types, formats)));
}

// The formats of one change, asked once: from the system's list, or each distinct format
// once where the system cannot list them.
TEST_F(Watch, ActionsMatchAgainstTheFormatsOfTheChange) {
    const int32_t html = formats.Register("HTML Format");
    const int32_t neverPut = formats.Register("Nothing Puts This");
    const struct {
        const char *what;
        const char *types;
        bool allType;
        bool matches;
    } cases[] = {
        {"present", "13", false, true},
        {"present after an absent one", "2,HTML Format", false, true},
        {"absent", "2,8", false, false},
        {"every format", "", true, true},
        {"a name nothing has put on the clipboard", "Nothing Puts This", false, false},
        {"no format and not every format", "", false, false},
    };
    for (const bool listed : {true, false}) {
        formats.present = {1, 13, 16, html};
        formats.asked.clear();
        const tlx::FormatPresence present =
            Look(formats, listed ? std::optional<std::vector<uint32_t>>({13, 1, uint32_t(html)}) : std::nullopt);
        const ChangeFormats change(formats, present);
        for (const auto &c : cases)
            EXPECT_EQ(c.matches, CheckClipboardType(c.allType, types.ParseTypeList(c.types, formats), change))
                << c.what << (listed ? " (listed)" : " (asked)");
        formats.present.clear();   // what the system says now no longer counts
        EXPECT_TRUE(change.IsAvailable(13)) << (listed ? "listed" : "asked");
        const std::vector<int32_t> asked = listed ? std::vector<int32_t>{} : std::vector<int32_t>{13, 2, html, 8, neverPut};
        EXPECT_EQ(formats.asked, asked) << "each distinct format asked at most once";
    }
}

TEST_F(Watch, AnEditWhileTheListIsHeldChangesACopy) {
    SharedWatchList shared;
    shared = WatchActionList{Action("a", true), Action("b", true)};
    const WatchAction *before = &static_cast<const WatchActionList &>(shared)[0];
    shared[0].Option = "a2";
    EXPECT_EQ(before, &static_cast<const WatchActionList &>(shared)[0]) << "an unheld list is edited in place";

    const std::shared_ptr<const WatchActionList> held = shared.Hold();
    shared.Edit().erase(shared.Edit().begin());
    shared[0].Option = "b2";
    ASSERT_EQ(held->size(), 2u) << "the walk keeps the list it started with";
    EXPECT_EQ((*held)[0].Option, "a2");
    EXPECT_EQ((*held)[1].Option, "b");
    const WatchActionList &now = shared;
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0].Option, "b2");
}

TEST_F(Watch, FormatsTheSystemMakesFromThePlacedOnesArePresent) {
    const struct {
        std::vector<uint32_t> placed;
        std::vector<int32_t> present, absent;
    } cases[] = {
        {{13}, {1, 7, 13, 16}, {2, 8}},          // Unicode text alone: every text form and the locale
        {{1, 16}, {1, 7, 13, 16}, {2}},
        {{8}, {2, 8, 17}, {1, 16}},              // a bitmap in any of its forms
        {{14}, {3, 14}, {2}},                    // metafiles
        {{0xC001}, {0xC001}, {1, 16}},           // a registered format stands alone
    };
    for (const auto &c : cases) {
        const tlx::FormatPresence present = Look(formats, c.placed);
        const ChangeFormats change(formats, present);
        for (int32_t id : c.present) EXPECT_TRUE(change.IsAvailable(id)) << id << " from " << c.placed.front();
        for (int32_t id : c.absent) EXPECT_FALSE(change.IsAvailable(id)) << id << " from " << c.placed.front();
    }
    EXPECT_TRUE(formats.asked.empty()) << "all from the list";
}
