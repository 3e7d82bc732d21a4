// The menu editor's entries without a window: editing, the checks of OK, and menu files
// written and read back, also by the reader of the running program.
#include <gtest/gtest.h>

#include <random>

#include "memory_ini.h"
#include "menu_edit_model.h"
#include "vbSubMenu.h"

using namespace ptr;
using ptrtest::MemoryIni;

namespace {

struct Entry {
    int level;
    std::string caption;
    std::string option;   // "-" makes a separator
};

// Types the entries in as a user would: caption into the empty last entry, then its
// function or the separator box, then "→" to its level.
void Build(MenuEditModel &model, const std::vector<Entry> &entries) {
    for (const Entry &e : entries) {
        const size_t i = model.Count() - 1;
        model.SetItemCaption(i, e.caption);
        if (e.option == "-") model.SetSeparator(i, true);
        else model.SetItemFunction(i, 3, e.option);
        for (int l = 0; l < e.level; ++l) ASSERT_TRUE(model.ShiftLevel(i, +1));
    }
}

std::string Outline(const MenuEditModel &model) {
    std::string text;
    for (size_t i = 0; i < model.Count(); ++i) text += model.EntryText(i) + "|";
    return text;
}

// The same outline from the tree the running program loads (without the empty last entry).
void TreeOutline(const vbSubMenu &node, int level, std::string &text) {
    for (const auto &child : node.Children()) {
        for (int l = 0; l < level; ++l) text += "････";
        text += child->Caption;
        if (child->MenuType == kMenuSubMenu) text += "<サブメニュー>";
        if (child->MenuType == kMenuSeparator) text += "<区切り線>";
        if (child->MenuType == kMenuCommand) text += "{" + std::to_string(child->FuncType) + ":" + child->FuncOption + "}";
        text += "|";
        TreeOutline(*child, level + 1, text);
    }
}
std::string LoadedOutline(const IniStore &file) {
    vbSubMenu root;
    root.LoadMenuFile(file, file.GetText("Main", "Menu", ""));
    std::string text;
    TreeOutline(root, 0, text);
    return text;
}
std::string ModelOutlineWithFunctions(const MenuEditModel &model) {
    std::string text;
    for (size_t i = 0; i + 1 < model.Count(); ++i) {
        const MenuEditItem &item = model.Item(i);
        text += model.EntryText(i);
        if (item.ItemType == kEditFunction) text += "{" + std::to_string(item.FuncType) + ":" + item.FuncOption + "}";
        text += "|";
    }
    return text;
}

}  // namespace

TEST(MenuEditModel, TypingIntoTheLastEntryAppendsAnEmptyOne) {
    MenuEditModel model;
    ASSERT_EQ(model.Count(), 1u);
    model.SetItemCaption(0, "Open\r\nnotes\n");
    EXPECT_EQ(Outline(model), "Opennotes||") << "line breaks are removed and an empty entry follows";
    model.SetItemCaption(0, "Open");
    EXPECT_EQ(model.Count(), 2u) << "retyping an entry adds nothing";
    model.SetItemCaption(1, "");
    EXPECT_EQ(model.Count(), 2u);
    model.SetSeparator(1, true);
    EXPECT_EQ(Outline(model), "Open|-<区切り線>||") << "a separator without caption is written as -";
    model.SetSeparator(1, false);
    EXPECT_EQ(model.Item(1).Caption, "-");
    EXPECT_EQ(model.Item(1).ItemType, kEditFunction);
}

TEST(MenuEditModel, IndentingMakesASubMenuAndOutdentingRestoresItsFunction) {
    MenuEditModel model;
    Build(model, {{0, "Notes", "notes.txt"}, {0, "Child", "child.txt"}});
    ASSERT_TRUE(model.ShiftLevel(1, +1));
    EXPECT_EQ(Outline(model), "Notes<サブメニュー>|････Child||");
    ASSERT_TRUE(model.ShiftLevel(1, -1));
    EXPECT_EQ(Outline(model), "Notes|Child||");
    EXPECT_EQ(model.Item(0).FuncOption, "notes.txt") << "the function survives its time as a sub-menu";
    EXPECT_EQ(model.Item(0).FuncType, 3);

    EXPECT_FALSE(model.ShiftLevel(0, -1)) << "levels never go below 0";
    EXPECT_EQ(model.Item(0).Level, 0);

    model.SetSeparator(0, true);
    ASSERT_TRUE(model.ShiftLevel(1, +1));
    EXPECT_EQ(model.Item(0).ItemType, kEditSubMenu) << "a separator with entries under it is a sub-menu";
    model.SetSeparator(0, true);
    EXPECT_EQ(model.Item(0).ItemType, kEditSubMenu) << "and the separator box cannot undo that";
}

TEST(MenuEditModel, MovingInsertingAndDeletingKeepOneEmptyEntryLast) {
    MenuEditModel model;
    EXPECT_EQ(model.Delete(0), 0u);
    EXPECT_EQ(model.Count(), 1u) << "the only, empty entry cannot be deleted";
    EXPECT_EQ(model.MoveDown(0), 0u);
    EXPECT_EQ(model.MoveUp(0), 0u);

    Build(model, {{0, "A", "a"}, {0, "B", "b"}});
    EXPECT_EQ(model.MoveDown(1), 2u);
    EXPECT_EQ(Outline(model), "A||B||") << "B moved below the empty entry leaves a new one at the end";
    EXPECT_EQ(model.MoveUp(2), 1u);
    EXPECT_EQ(Outline(model), "A|B|||");

    EXPECT_EQ(model.Delete(3), 2u) << "deleting the last entry selects the one before";
    EXPECT_EQ(Outline(model), "A|B||");
    EXPECT_EQ(model.Delete(0), 0u);
    EXPECT_EQ(Outline(model), "B||");

    ASSERT_TRUE(model.ShiftLevel(1, +1));   // the empty entry under B
    EXPECT_EQ(model.Insert(1), 1u);
    EXPECT_EQ(model.Item(1).Level, 1) << "an inserted entry takes the level of the one it pushes down";
    EXPECT_EQ(Outline(model), "B<サブメニュー>|････|････|");
    EXPECT_EQ(model.Item(1).FuncType, 0);
}

TEST(MenuEditModel, OkReportsTheFirstFaultAndWhere) {
    struct Case {
        const char *what;
        std::string name;
        std::vector<Entry> entries;
        MenuCheckFault fault;
        size_t index;
    };
    const std::vector<Case> cases = {
        {"valid nested menu", "M", {{0, "A", "a"}, {0, "S", "s"}, {1, "B", "b"}, {2, "C", "c"}, {0, "-", "-"}},
         MenuCheckFault::None, 0},
        {"first entry one level deep", "M", {{1, "A", "a"}}, MenuCheckFault::None, 0},
        {"no name", "", {{0, "A", "a"}}, MenuCheckFault::NoMenuName, 0},
        {"blank name reads back empty", "  ", {{0, "A", "a"}}, MenuCheckFault::NoMenuName, 0},
        {"only the empty entry", "M", {}, MenuCheckFault::NoItems, 0},
        {"no function", "M", {{0, "A", "a"}, {0, "B", ""}}, MenuCheckFault::NoFunction, 1},
        {"blank caption ends the section", "M", {{0, "A", "a"}, {0, " ", "b"}}, MenuCheckFault::EmptyCaption, 1},
        {"two levels deeper", "M", {{0, "A", "a"}, {2, "B", "b"}}, MenuCheckFault::BadLevel, 1},
    };
    for (const Case &c : cases) {
        MenuEditModel model;
        model.MenuName = c.name;
        Build(model, c.entries);
        const MenuCheckResult result = model.CheckMenuData();
        EXPECT_EQ(static_cast<int>(result.fault), static_cast<int>(c.fault)) << c.what;
        EXPECT_EQ(result.index, c.index) << c.what;
    }

    MenuEditModel model;
    model.MenuName = "M";
    Build(model, {{0, "A", "a"}, {0, "B", "b"}});
    model.Insert(1);
    EXPECT_EQ(static_cast<int>(model.CheckMenuData().fault), static_cast<int>(MenuCheckFault::EmptyCaption))
        << "an empty entry is exempt only when last";
    EXPECT_EQ(MenuCheckMessage(MenuCheckFault::BadLevel),
              "データチェックエラー\r\nサブメニューの階層が不正です。サブメニューの階層を見直して下さい。");
}

TEST(MenuEditModel, NestedSubMenusAreWrittenInOrderOfAppearance) {
    MenuEditModel model;
    model.MenuName = "Sample";
    model.Comment = "two\r\nlines";
    Build(model, {{0, "Open", "notes.txt"}, {0, "Outer", ""}, {1, "Inner", ""}, {2, "Deep", "deep.txt"},
                  {1, "-", "-"}, {0, "Other", ""}, {1, "Last", "last.txt"}});
    MemoryIni file;
    model.Write(file);
    EXPECT_EQ(file.GetText("Main", "Comment", "?"), "twolines");
    EXPECT_EQ(file.GetText("Main", "Menu", "?"), "Menu");
    const std::vector<std::tuple<const char *, const char *, const char *>> keys = {
        {"Menu", "001Type", "Function"},      {"Menu", "001FuncType", " 3"},
        {"Menu", "002SubMenu", "001SubMenu"}, {"Menu", "003Caption", "Other"},
        {"Menu", "003SubMenu", "003SubMenu"}, {"Menu", "004Caption", ""},
        {"001SubMenu", "001Caption", "Inner"}, {"001SubMenu", "001SubMenu", "002SubMenu"},
        {"001SubMenu", "002Type", "Separator"}, {"002SubMenu", "001FuncOption", "deep.txt"},
        {"003SubMenu", "001Caption", "Last"},
    };
    for (const auto &[section, key, value] : keys) EXPECT_EQ(file.GetText(section, key, "?"), value) << section << " " << key;
    EXPECT_EQ(file.KeyCount("002SubMenu"), 4u);

    MenuEditModel back;
    ASSERT_TRUE(back.Read(file));
    EXPECT_EQ(Outline(back), Outline(model));
}

TEST(MenuEditModel, AMissingOrNamelessFileOpensAsANewMenu) {
    MemoryIni file;
    file.SetText("Main", "Menu", "Menu");
    file.SetText("Menu", "001Caption", "Orphan");
    MenuEditModel model;
    model.MenuName = "old";
    EXPECT_FALSE(model.Read(file));
    EXPECT_EQ(Outline(model), "|");
    EXPECT_EQ(model.MenuName, "");
}

// Files made by hand, as the running program reads them: the editor reads the same tree
// and writes a file that loads as the same menu.
TEST(MenuEditModel, HandMadeFilesSurviveTheEditor) {
    struct HandFile {
        const char *what;
        std::vector<std::tuple<const char *, const char *, const char *>> keys;
        const char *outline;
    };
    const std::vector<HandFile> files = {
        {"the documented example",
         {{"Menu", "001Caption", "Open notes"}, {"Menu", "001Type", "Function"}, {"Menu", "001FuncType", " 3"},
          {"Menu", "001FuncOption", "notes.txt"}, {"Menu", "002Caption", "-"}, {"Menu", "002Type", "Separator"},
          {"Menu", "003Caption", "Text"}, {"Menu", "003Type", "SubMenu"}, {"Menu", "003SubMenu", "001SubMenu"},
          {"001SubMenu", "001Caption", "First setting"}, {"001SubMenu", "001Type", "Function"},
          {"001SubMenu", "001FuncType", " 1"}, {"001SubMenu", "001FuncOption", "tlxText.tlx/1/1"}},
         "Open notes{3:notes.txt}|-<区切り線>|Text<サブメニュー>|････First setting{1:tlxText.tlx/1/1}|"},
        {"own section names, lower-case types, no type, a gap",
         {{"Menu", "001Caption", "Tools"}, {"Menu", "001Type", "submenu"}, {"Menu", "001SubMenu", "tools"},
          {"tools", "001Caption", "Bare"}, {"tools", "001FuncOption", "x"}, {"Menu", "002Caption", "Line"},
          {"Menu", "002Type", "SEPARATOR"}, {"Menu", "004Caption", "after a gap"}},
         "Tools<サブメニュー>|････Bare{1:x}|Line<区切り線>|"},
        {"a sub-menu naming its own section, an empty sub-menu",
         {{"Menu", "001Caption", "Loop"}, {"Menu", "001Type", "SubMenu"}, {"Menu", "001SubMenu", "Menu"},
          {"Menu", "002Caption", "Empty"}, {"Menu", "002Type", "SubMenu"}, {"Menu", "002SubMenu", "none"}},
         "Loop<サブメニュー>|Empty<サブメニュー>|"},
    };
    for (const HandFile &f : files) {
        MemoryIni hand;
        hand.SetText("Main", "MenuName", "Hand");
        hand.SetText("Main", "Menu", "Menu");
        for (const auto &[section, key, value] : f.keys) hand.SetText(section, key, value);
        ASSERT_EQ(LoadedOutline(hand), f.outline) << f.what;

        MenuEditModel model;
        ASSERT_TRUE(model.Read(hand)) << f.what;
        EXPECT_EQ(ModelOutlineWithFunctions(model), f.outline) << f.what;
        MemoryIni written;
        model.Write(written);
        EXPECT_EQ(LoadedOutline(written), f.outline) << f.what;
    }
}

// Random menus typed in entry by entry, saved, then read by the editor and by the
// running program's reader.
TEST(MenuEditModel, GeneratedMenusReadBackAsTheyWereTyped) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        const int count = 1 + static_cast<int>(random() % 30);
        std::vector<Entry> entries;
        int level = -1;   // the first entry at level 0, each one at most one deeper than the one before
        for (int i = 0; i < count; ++i) {
            level = static_cast<int>(random() % (level + 2));
            const bool separator = random() % 5 == 0;
            entries.push_back({level, "item " + std::to_string(i), separator ? "-" : "file" + std::to_string(i)});
        }
        MenuEditModel model;
        model.MenuName = "Generated";
        Build(model, entries);
        ASSERT_EQ(static_cast<int>(model.CheckMenuData().fault), static_cast<int>(MenuCheckFault::None));
        MemoryIni file;
        model.Write(file);

        MenuEditModel back;
        ASSERT_TRUE(back.Read(file));
        ASSERT_EQ(back.Count(), model.Count()) << "round " << round;
        for (size_t i = 0; i < model.Count(); ++i) {
            MenuEditItem expected = model.Item(i);
            if (expected.ItemType != kEditFunction) expected.FuncType = 0, expected.FuncOption.clear();
            EXPECT_TRUE(back.Item(i) == expected) << "round " << round << " entry " << i << ": " << back.EntryText(i);
        }
        EXPECT_EQ(LoadedOutline(file), ModelOutlineWithFunctions(model)) << "round " << round;
    }
}
