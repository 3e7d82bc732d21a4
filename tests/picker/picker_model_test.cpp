#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picker_model.h"
#include "search_fold.h"

namespace {

using tlx::PickerAction;
using tlx::PickerKey;

// Items with a name, optionally in groups; pinning moves an item to the front.
class Items : public tlx::PickerSource {
public:
    struct Item {
        std::u16string name;
        size_t group = tlx::kNoGroup;
        uint64_t key = 0;
        bool pinned = false;
    };
    explicit Items(std::vector<std::u16string> names, std::vector<size_t> groups = {}) {
        for (size_t i = 0; i < names.size(); ++i)
            items.push_back({names[i], i < groups.size() ? groups[i] : tlx::kNoGroup, 100 + i});
    }
    size_t Count() const override { return items.size(); }
    uint64_t Key(size_t item) const override { return items[item].key; }
    bool Finds(size_t item, std::u16string_view folded) const override {
        return tlx::ContainsFolded(items[item].name, folded);
    }
    std::u16string RowText(size_t item) const override { return items[item].name; }
    std::u16string PreviewText(size_t item) const override { return items[item].name; }
    bool Pinned(size_t item) const override { return items[item].pinned; }
    size_t Group(size_t item) const override { return items[item].group; }
    std::u16string GroupName(size_t group) const override { return u"G" + std::u16string(1, u'0' + group); }
    void Remove(size_t item) override { items.erase(items.begin() + static_cast<long>(item)); }
    size_t TogglePin(size_t item) override {
        Item moved = items[item];
        moved.pinned = !moved.pinned;
        items.erase(items.begin() + static_cast<long>(item));
        items.insert(items.begin(), moved);
        return 0;
    }
    std::vector<Item> items;
};

const tlx::PickerFeatures kHistory{true, true, true, true, true};
const tlx::PickerFeatures kPlain{};

tlx::PickerKeyPress Key(PickerKey key, bool ctrl = false, bool shift = false, int digit = 0) {
    return {key, ctrl, shift, digit};
}

// The rows as text: headers in brackets, items by name, the selected one starred,
// marked ones with their order.
std::string Shown(const tlx::PickerModel &model, const Items &items) {
    std::string shown;
    for (size_t r = 0; r < model.Rows().size(); ++r) {
        const tlx::PickerRow &row = model.Rows()[r];
        if (!shown.empty()) shown += " ";
        const std::u16string name = row.header ? u"[" + items.GroupName(row.index) + u"]" : items.RowText(row.index);
        shown += std::string(name.begin(), name.end());
        if (model.SelectedRow() == r) shown += "*";
        if (!row.header && model.MarkOrder(row.index)) shown += "#" + std::to_string(model.MarkOrder(row.index));
    }
    return shown;
}

std::string Chosen(const tlx::PickerOutcome &outcome, const Items &items) {
    if (!outcome.choice) return outcome.close ? "closed" : outcome.handled ? "kept" : "typed";
    const char *actions[] = {"paste", "text", "queue"};
    std::string chosen = actions[static_cast<int>(outcome.choice->action)];
    for (size_t item : outcome.choice->items) {
        const std::u16string &name = items.items[item].name;
        chosen += " " + std::string(name.begin(), name.end());
    }
    return chosen;
}

TEST(PickerModel, SearchShowsTheItemsItFindsUnderTheirGroups) {
    struct Case {
        const char16_t *search;
        std::string rows;
    };
    const Case cases[] = {
        {u"", "[G0] alpha* beta [G1] gamma delta [G0] omega"},
        {u"a", "[G0] alpha* beta [G1] gamma delta [G0] omega"},
        {u"ＥＬ", "[G1] delta*"},   // full-width, capitals
        {u"MEGA", "[G0] omega*"},
        {u"zz", ""},
    };
    Items items({u"alpha", u"beta", u"gamma", u"delta", u"omega"}, {0, 0, 1, 1, 0});
    tlx::PickerModel model(items, kPlain);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rows);
        model.Search(c.search);
        EXPECT_EQ(c.rows, Shown(model, items));
    }
}

TEST(PickerModel, MovingSkipsHeadersAndStopsAtTheEnds) {
    struct Case {
        const char *name;
        std::vector<PickerKey> keys;
        std::string selected;
    };
    const Case cases[] = {
        {"down over a header", {PickerKey::kDown, PickerKey::kDown}, "gamma"},
        {"up at the top", {PickerKey::kUp}, "alpha"},
        {"down past the end", {PickerKey::kPageDown, PickerKey::kPageDown, PickerKey::kDown}, "omega"},
        {"page down then up", {PickerKey::kPageDown, PickerKey::kPageUp}, "alpha"},
        {"back up over a header", {PickerKey::kDown, PickerKey::kDown, PickerKey::kUp}, "beta"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Items items({u"alpha", u"beta", u"gamma", u"delta", u"omega"}, {0, 0, 1, 1, 2});
        tlx::PickerModel model(items, kPlain);
        model.SetPageRows(4);   // moves three rows
        model.Search(u"");
        for (PickerKey key : c.keys) EXPECT_TRUE(model.Press(Key(key), true).handled);
        ASSERT_TRUE(model.SelectedItem());
        EXPECT_EQ(c.selected, std::string(items.items[*model.SelectedItem()].name.begin(),
                                          items.items[*model.SelectedItem()].name.end()));
    }
}

TEST(PickerModel, AClickOnAHeaderSelectsTheItemBelowIt) {
    Items items({u"alpha", u"beta", u"gamma"}, {0, 1, 1});
    tlx::PickerModel model(items, kPlain);
    model.Search(u"");
    model.Select(2);   // [G1]
    EXPECT_EQ("[G0] alpha [G1] beta* gamma", Shown(model, items));
    model.Search(u"alp");
    model.Select(0);
    EXPECT_EQ("[G0] alpha*", Shown(model, items));
}

TEST(PickerModel, NumbersCountItemsNotHeaders) {
    std::vector<std::u16string> names;
    std::vector<size_t> groups;
    for (int i = 0; i < 12; ++i) {
        names.push_back(u"item" + std::u16string(1, u'a' + i));
        groups.push_back(static_cast<size_t>(i / 4));
    }
    Items items(names, groups);
    tlx::PickerModel model(items, kPlain);
    model.Search(u"");
    std::u16string numbers;
    for (size_t r = 0; r < model.Rows().size(); ++r) numbers += model.Number(r).empty() ? u"-" : model.Number(r);
    EXPECT_EQ(u"-1234-5678-90--", numbers);
    EXPECT_EQ("paste itemj", Chosen(model.Press(Key(PickerKey::kDigit, true, false, 0), true), items));
    EXPECT_EQ("paste itemc", Chosen(model.Press(Key(PickerKey::kDigit, true, false, 3), true), items));
    model.Search(u"itemk");
    EXPECT_EQ("kept", Chosen(model.Press(Key(PickerKey::kDigit, true, false, 2), true), items)) << "no second row";
}

// What each key does in the search box, with the history's keys and without them.
TEST(PickerModel, KeysChooseCloseOrGoToTheSearchBox) {
    struct Case {
        const char *name;
        tlx::PickerFeatures features;
        const char16_t *search;
        bool browsed;   // Down, then Up: the selection was moved since typing
        tlx::PickerKeyPress key;
        bool caretAtEnd;
        std::string outcome;
    };
    const Case cases[] = {
        {"Enter", kHistory, u"", false, Key(PickerKey::kEnter), true, "paste alpha"},
        {"Shift+Enter", kHistory, u"", false, Key(PickerKey::kEnter, false, true), true, "text alpha"},
        {"Ctrl+Enter", kHistory, u"", false, Key(PickerKey::kEnter, true), true, "queue alpha"},
        {"Shift+Enter without text only", kPlain, u"", false, Key(PickerKey::kEnter, false, true), true, "paste alpha"},
        {"Ctrl+Enter without a queue", kPlain, u"", false, Key(PickerKey::kEnter, true), true, "paste alpha"},
        {"Enter with nothing found", kHistory, u"zz", false, Key(PickerKey::kEnter), true, "kept"},
        {"Esc", kPlain, u"", false, Key(PickerKey::kEscape), true, "closed"},
        {"Ctrl+digit", kPlain, u"", false, Key(PickerKey::kDigit, true, false, 2), true, "paste beta"},
        {"a digit alone is typed", kHistory, u"", false, Key(PickerKey::kDigit, false, false, 2), true, "typed"},
        {"Space with an empty search", kHistory, u"", false, Key(PickerKey::kSpace), true, "kept"},
        {"Space while typing", kHistory, u"al", false, Key(PickerKey::kSpace), true, "typed"},
        {"Space after moving", kHistory, u"a", true, Key(PickerKey::kSpace), true, "kept"},
        {"Space without marks", kPlain, u"", false, Key(PickerKey::kSpace), true, "typed"},
        {"Ctrl+Space", kHistory, u"", false, Key(PickerKey::kSpace, true), true, "typed"},
        {"Delete at the end", kHistory, u"", false, Key(PickerKey::kDelete), true, "kept"},
        {"Delete inside the text", kHistory, u"al", false, Key(PickerKey::kDelete), false, "typed"},
        {"Delete without removing", kPlain, u"", false, Key(PickerKey::kDelete), true, "typed"},
        {"Ctrl+P", kHistory, u"", false, Key(PickerKey::kLetterP, true), true, "kept"},
        {"Ctrl+P without pins", kPlain, u"", false, Key(PickerKey::kLetterP, true), true, "typed"},
        {"P alone", kHistory, u"", false, Key(PickerKey::kLetterP), true, "typed"},
        {"another key", kHistory, u"", false, Key(PickerKey::kOther), true, "typed"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Items items({u"alpha", u"beta", u"gamma"});
        tlx::PickerModel model(items, c.features);
        model.Search(c.search);
        if (c.browsed) {
            model.Press(Key(PickerKey::kDown), true);
            model.Press(Key(PickerKey::kUp), true);
        }
        EXPECT_EQ(c.outcome, Chosen(model.Press(c.key, c.caretAtEnd), items));
    }
}

TEST(PickerModel, MarkedItemsAreChosenInTheOrderMarked) {
    struct Case {
        const char *name;
        std::vector<tlx::PickerKeyPress> keys;   // before the last, which chooses
        std::string rows;
        std::string chosen;
    };
    const auto down = Key(PickerKey::kDown), space = Key(PickerKey::kSpace), up = Key(PickerKey::kUp);
    const Case cases[] = {
        {"two marked bottom up", {down, down, space, up, up, space, Key(PickerKey::kEnter)},
         "alpha*#2 beta gamma#1", "paste gamma alpha"},
        {"unmarked again", {space, down, space, up, space, Key(PickerKey::kEnter, false, true)},
         "alpha* beta#1 gamma", "text beta"},
        {"queued", {space, down, space, Key(PickerKey::kEnter, true)}, "alpha#1 beta*#2 gamma", "queue alpha beta"},
        {"a number ignores marks", {space, down, space, Key(PickerKey::kDigit, true, false, 3)},
         "alpha#1 beta*#2 gamma", "paste gamma"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Items items({u"alpha", u"beta", u"gamma"});
        tlx::PickerModel model(items, kHistory);
        model.Search(u"");
        for (size_t k = 0; k + 1 < c.keys.size(); ++k) EXPECT_TRUE(model.Press(c.keys[k], true).handled);
        EXPECT_EQ(c.rows, Shown(model, items));
        EXPECT_EQ(c.chosen, Chosen(model.Press(c.keys.back(), true), items));
    }
}

TEST(PickerModel, MarksOutliveASearchAndGoWithTheirItems) {
    Items items({u"alpha", u"beta", u"gamma"});
    tlx::PickerModel model(items, kHistory);
    model.Search(u"");
    model.Press(Key(PickerKey::kDown), true);
    model.Press(Key(PickerKey::kSpace), true);   // beta
    model.Search(u"g");
    model.Press(Key(PickerKey::kDown), true);
    model.Press(Key(PickerKey::kSpace), true);   // gamma, marked while its search shows
    model.Search(u"");
    EXPECT_EQ("alpha* beta#1 gamma#2", Shown(model, items));
    model.Press(Key(PickerKey::kDown), true);
    model.Press(Key(PickerKey::kDelete), true);   // beta goes, and its mark
    EXPECT_EQ("alpha gamma*#1", Shown(model, items));
    items.items.erase(items.items.begin() + 1);   // gamma goes elsewhere
    model.Refresh();
    EXPECT_EQ("alpha*", Shown(model, items));
    EXPECT_EQ("paste alpha", Chosen(model.Press(Key(PickerKey::kEnter), true), items));
}

TEST(PickerModel, PinningKeepsTheItemSelectedAtItsNewPlace) {
    Items items({u"alpha", u"beta", u"gamma"});
    tlx::PickerModel model(items, kHistory);
    model.Search(u"");
    model.Press(Key(PickerKey::kDown), true);
    model.Press(Key(PickerKey::kDown), true);
    model.Press(Key(PickerKey::kLetterP, true), true);
    EXPECT_EQ("gamma* alpha beta", Shown(model, items));
    EXPECT_TRUE(items.items[0].pinned);
}

TEST(PickerModel, ARefreshKeepsTheSelectedRow) {
    Items items({u"alpha", u"beta", u"gamma"});
    tlx::PickerModel model(items, kHistory);
    model.Search(u"");
    model.Press(Key(PickerKey::kDown), true);
    items.items.insert(items.items.begin(), Items::Item{u"new", tlx::kNoGroup, 7});
    model.Refresh();
    EXPECT_EQ("new alpha* beta gamma", Shown(model, items));
}

TEST(PickerKeys, TheKeyLineNamesTheKeysOfTheFeatures) {
    EXPECT_EQ((std::vector<std::u16string>{u"Enter:貼り付け", u"Ctrl+数字:番号", u"Esc:閉じる"}),
              tlx::PickerKeyLabels(kPlain));
    EXPECT_EQ((std::vector<std::u16string>{u"Enter:貼り付け", u"Shift+Enter:テキストのみ貼り付け", u"Space:マーク",
                                           u"Ctrl+Enter:連続貼り付け", u"Ctrl+数字:番号", u"Delete:削除",
                                           u"Ctrl+P:固定", u"Esc:閉じる"}),
              tlx::PickerKeyLabels(kHistory));
}

TEST(PickerKeys, LabelsArePackedIntoLinesThatFit) {
    struct Case {
        std::vector<int> widths;
        int width;
        std::vector<size_t> starts;
    };
    const Case cases[] = {
        {{30, 30, 30}, 100, {0}},          // 30 + 5 + 30 + 5 + 30 = 100 fits exactly
        {{30, 30, 30}, 99, {0, 2}},
        {{30, 30, 30}, 40, {0, 1, 2}},
        {{120, 10, 10}, 100, {0, 1}},      // too wide: a line of its own
        {{10, 120, 10}, 100, {0, 1, 2}},
        {{}, 100, {}},
    };
    for (const Case &c : cases) EXPECT_EQ(c.starts, tlx::PackIntoLines(c.widths, 5, c.width)) << c.width;
}

}  // namespace
