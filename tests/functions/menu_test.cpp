// Menu files, the default menu and what a popup shows and answers.
#include <gtest/gtest.h>

#include "fakes.h"
#include "vbMenu.h"

using namespace ptr;
using fntest::FakeMenuFiles;
using fntest::FakeMenus;
using ptrtest::MemoryIni;

namespace {

const std::string kFolder = "C:\\P\\MenuData\\";

struct Menus : ::testing::Test {
    FakeMenus backend;
    FakeMenuFiles files;
    fntest::FakePlugins proxy;
    PluginList plugins;
    MenuList menus;
    std::vector<std::string> progress;

    MenuEnvironment Env() {
        return {backend, files, kFolder, plugins, [this](const std::string &t, int) { progress.push_back(t); }};
    }
    MemoryIni &NewFile(const std::string &name, const std::string &menuName = "Sample", const std::string &top = "Menu") {
        MemoryIni &ini = files.File(kFolder + name);
        ini.SetText("Main", "MenuName", menuName);
        ini.SetText("Main", "Comment", "c");
        ini.SetText("Main", "Menu", top);
        return ini;
    }
    static void Item(MemoryIni &ini, const std::string &section, int n, const std::string &caption,
                     const std::string &type, const std::string &extra = "") {
        ini.SetText(section, NumberedKey(n, "Caption"), caption);
        if (!type.empty()) ini.SetText(section, NumberedKey(n, "Type"), type);
        if (EqualsNoCase(type, "SubMenu")) ini.SetText(section, NumberedKey(n, "SubMenu"), extra);
        if (EqualsNoCase(type, "Function")) {
            ini.SetText(section, NumberedKey(n, "FuncType"), " 3");
            ini.SetText(section, NumberedKey(n, "FuncOption"), extra);
        }
    }
    vbMenu &Load(const std::string &name) { return LoadMenuByName(menus, Env(), name); }
    std::string Outline(vbMenu &menu) {
        backend.nextChoice = 0;
        menu.ShowSubMenu(nullptr);
        return backend.tracked ? backend.Outline(backend.tracked) : "(no popup)";
    }
};

}  // namespace

TEST_F(Menus, FileFormatWithSeparatorSubMenuAndMissingType) {
    MemoryIni &ini = NewFile("sample.mnu");
    Item(ini, "Menu", 1, "Open notes", "Function", "notes.txt");
    Item(ini, "Menu", 2, "-", "Separator");
    Item(ini, "Menu", 3, "Text", "submenu", "001SubMenu");
    Item(ini, "001SubMenu", 1, "First", "");
    ini.SetText("001SubMenu", "001FuncOption", "tlxText.tlx/1/1");
    Item(ini, "001SubMenu", 2, "Bad number", "Function");
    ini.SetText("001SubMenu", "002FuncType", "abc");

    vbMenu &menu = Load("sample.mnu");
    EXPECT_EQ(menu.MenuName, "Sample");
    EXPECT_EQ(menu.Comment, "c");
    EXPECT_EQ(menu.MenuFileName(), "sample.mnu");
    EXPECT_EQ(Outline(menu), "Open notes\n-\nText>\n  First\n  Bad number\n");
    const vbSubMenu &first = *menu.Root().Children()[2]->Children()[0];
    EXPECT_EQ(first.MenuType, kMenuCommand) << "a missing type is a command item";
    EXPECT_EQ(first.FuncType, 1) << "FuncType defaults to 1";
    EXPECT_EQ(menu.Root().Children()[2]->Children()[1]->FuncType, 0) << "a non-numeric FuncType reads as 0";
}

TEST_F(Menus, ItemsAfterAnEmptyCaptionAreNotLoaded) {
    MemoryIni &ini = NewFile("gap.mnu");
    Item(ini, "Menu", 1, "One", "Function", "1");
    Item(ini, "Menu", 3, "Three", "Function", "3");
    EXPECT_EQ(Outline(Load("gap.mnu")), "One\n");
}

TEST_F(Menus, ChoiceAnswersTheCommandNodeAndDismissAnswersNothing) {
    MemoryIni &ini = NewFile("pick.mnu");
    Item(ini, "Menu", 1, "-", "SEPARATOR");
    Item(ini, "Menu", 2, "Sub", "SUBMENU", "S");
    Item(ini, "S", 1, "Deep", "Function", "deep.txt");
    vbMenu &menu = Load("pick.mnu");
    Outline(menu);   // the popup is made when first shown

    backend.nextChoice = backend.IdOf("Deep");
    const vbSubMenu *chosen = menu.ShowSubMenu(nullptr);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->FuncOption, "deep.txt");
    EXPECT_EQ(chosen->FuncType, 3);

    backend.nextChoice = menu.Root().Children()[0]->ItemId();
    EXPECT_EQ(menu.ShowSubMenu(nullptr), nullptr) << "a separator is never chosen";
    backend.nextChoice = 0;
    EXPECT_EQ(menu.ShowSubMenu(nullptr), nullptr) << "dismissed";
}

TEST_F(Menus, CyclesStopAtTheSectionAlreadyOnThePath) {
    MemoryIni &ini = NewFile("cycle.mnu");
    Item(ini, "Menu", 1, "Self", "SubMenu", "menu");   // sections compare case-insensitively
    Item(ini, "Menu", 2, "A", "SubMenu", "A");
    Item(ini, "A", 1, "B", "SubMenu", "B");
    Item(ini, "B", 1, "Back to A", "SubMenu", "A");
    Item(ini, "B", 2, "Leaf", "Function", "x");
    Item(ini, "Menu", 3, "A again", "SubMenu", "A");   // shared, not a cycle
    EXPECT_EQ(Outline(Load("cycle.mnu")),
              "Self>\nA>\n  B>\n    Back to A>\n    Leaf\nA again>\n  B>\n    Back to A>\n    Leaf\n");
}

TEST_F(Menus, NestingIsBoundedInDepthAndSize) {
    MemoryIni &deep = NewFile("deep.mnu", "Deep", "S0");
    for (int i = 0; i < 500; ++i) Item(deep, "S" + std::to_string(i), 1, "L" + std::to_string(i), "SubMenu", "S" + std::to_string(i + 1));
    vbMenu &d = Load("deep.mnu");
    int depth = 0;
    for (const vbSubMenu *node = &d.Root(); !node->Children().empty(); node = node->Children()[0].get()) ++depth;
    EXPECT_EQ(depth, kMaxMenuDepth);

    // Ten items that all open the next section, sixteen levels down: 10^16 items described.
    MemoryIni &wide = NewFile("wide.mnu", "Wide", "W0");
    for (int level = 0; level < 16; ++level)
        for (int n = 1; n <= 10; ++n)
            Item(wide, "W" + std::to_string(level), n, "x", "SubMenu", "W" + std::to_string(level + 1));
    vbMenu &w = Load("wide.mnu");
    size_t nodes = 0;
    std::function<void(const vbSubMenu &)> count = [&](const vbSubMenu &n) {
        for (const auto &c : n.Children()) { ++nodes; count(*c); }
    };
    count(w.Root());
    EXPECT_EQ(nodes, static_cast<size_t>(kMaxMenuItems));
}

TEST_F(Menus, ThousandsOfItemsAndHugeCaptions) {
    MemoryIni &ini = NewFile("big.mnu");
    for (int n = 1; n <= 5000; ++n) Item(ini, "Menu", n, "Item " + std::to_string(n), "Function", std::to_string(n));
    const std::string huge(3 * 1024 * 1024, 'M');
    Item(ini, "Menu", 5001, huge, "Function", huge);
    vbMenu &menu = Load("big.mnu");
    ASSERT_EQ(menu.Root().Children().size(), 5001u);
    Outline(menu);   // the popup is made when first shown
    backend.nextChoice = backend.IdOf("Item 4321");
    const vbSubMenu *chosen = menu.ShowSubMenu(nullptr);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->FuncOption, "4321");
    backend.nextChoice = menu.Root().Children().back()->ItemId();
    EXPECT_EQ(menu.ShowSubMenu(nullptr)->FuncOption.size(), huge.size());
}

TEST_F(Menus, EmptyMenuNameLoadsNoItemsAndShowsNothing) {
    MemoryIni &ini = NewFile("noname.mnu", "");
    Item(ini, "Menu", 1, "One", "Function", "1");
    vbMenu &menu = Load("noname.mnu");
    EXPECT_TRUE(menu.Root().Children().empty());
    EXPECT_EQ(Outline(menu), "(no popup)");
    EXPECT_NE(menus.Find("NONAME.MNU"), nullptr) << "stays in the list";
    EXPECT_EQ(menus.MenuNameOf("noname.mnu"), std::optional<std::string>(""));
}

TEST_F(Menus, ReloadRebuildsInPlaceAndMissingFileLeavesMenuUnchanged) {
    MemoryIni &ini = NewFile("edit.mnu");
    Item(ini, "Menu", 1, "Old", "Function", "1");
    vbMenu &menu = Load("edit.mnu");
    Item(ini, "Menu", 1, "New", "Function", "1");
    EXPECT_EQ(&Load("edit.mnu"), &menu) << "the same object";
    EXPECT_EQ(Outline(menu), "New\n");
    EXPECT_EQ(backend.LiveCount(), 1u) << "the old popup was destroyed";
    files.files.erase(kFolder + "edit.mnu");
    EXPECT_FALSE(menu.InitMenu(files, kFolder, "edit.mnu", nullptr));
    EXPECT_EQ(Outline(menu), "New\n");
    menus.Clear();
    EXPECT_EQ(backend.LiveCount(), 0u) << "releasing the list destroys the popups";
}

TEST_F(Menus, DefaultMenuListsActionFunctionsOfEveryPlugin) {
    auto &a = proxy.Define("a.tlx", "Alpha");
    a.functions = {{"Act"}, {"Check", TLX_FUNC_CHECK}, {"Many", TLX_FUNC_ACTION, {"One", "Two", ""}}};
    proxy.Define("b.tlx", "Beta").functions = {{"OnlyCheck", TLX_FUNC_CHECK}};
    proxy.LoadInto(plugins, {"a.tlx", "b.tlx"});
    vbMenu &menu = Load("/DEFAULT");
    EXPECT_EQ(menu.MenuFileName(), "/default");
    EXPECT_EQ(menu.MenuName, "デフォルトメニュー(全機能選択)");
    EXPECT_EQ(0u, backend.LiveCount()) << "its popup is made when first shown (a large book made start-up take seconds)";
    EXPECT_EQ(Outline(menu), "Alpha>\n  Act\n  Many>\n    One\n    Two\n    (設定名無し)\nBeta>\n");
    backend.nextChoice = backend.IdOf("Two");
    EXPECT_EQ(menu.ShowSubMenu(nullptr)->FuncOption, "a.tlx/3/2");
    backend.nextChoice = backend.IdOf("Act");
    const vbSubMenu *act = menu.ShowSubMenu(nullptr);
    EXPECT_EQ(act->FuncOption, "a.tlx/1/1");
    EXPECT_EQ(act->FuncType, 1);
}

TEST_F(Menus, StartupScanOrderAndFilter) {
    NewFile("b.MNU", "B");
    NewFile("a.mnu", "A");
    NewFile("notes.txt", "T");
    files.otherFiles = {"readme.txt"};
    LoadMenus(menus, Env(), true);
    ASSERT_EQ(menus.Count(), 3u);
    EXPECT_EQ(menus.NameAt(0), "/default");
    EXPECT_EQ(menus.NameAt(1), "a.mnu");
    EXPECT_EQ(menus.NameAt(2), "b.MNU") << "upper-case extension loads too";
    EXPECT_EQ(progress.back(), "メニュー情報を読み込んでいます...\r\nb.MNU");

    LoadMenus(menus, Env(), false);
    EXPECT_EQ(menus.Count(), 2u) << "no default menu when it is switched off";
    EXPECT_EQ(menus.Find("/default"), nullptr);
}

TEST_F(Menus, ItemIdsAreUniqueAndNonZero) {
    MemoryIni &ini = NewFile("one.mnu");
    for (int n = 1; n <= 50; ++n) Item(ini, "Menu", n, "I" + std::to_string(n), "Function", "x");
    Load("one.mnu");
    NewFile("two.mnu");
    files.File(kFolder + "two.mnu") = files.File(kFolder + "one.mnu");
    Load("two.mnu");
    std::set<uint32_t> ids;
    for (size_t m = 0; m < menus.Count(); ++m)
        for (const auto &child : menus.At(m).Root().Children()) {
            EXPECT_NE(child->ItemId(), 0u);
            ids.insert(child->ItemId());
        }
    EXPECT_EQ(ids.size(), 100u);
}

TEST_F(Menus, PopupsThatCannotBeMadeAreLeftOut) {
    MemoryIni &ini = NewFile("few.mnu");
    Item(ini, "Menu", 1, "Sub", "SubMenu", "S");
    Item(ini, "S", 1, "Inner", "Function", "x");
    Item(ini, "Menu", 2, "Plain", "Function", "y");
    backend.popupLimit = 1;   // only the root popup
    EXPECT_EQ(Outline(Load("few.mnu")), "Plain\n");
}

TEST_F(Menus, TestModeMessage) {
    proxy.Define("t.tlx", "T").functions = {{"F"}};
    proxy.LoadInto(plugins, {"t.tlx"});
    vbSubMenu item(kMenuCommand);
    item.Caption = "Pick";
    item.FuncType = 1;
    item.FuncOption = "t.tlx/1/1";
    EXPECT_EQ(MenuTestMessage(&item, plugins, menus), "『Pick』が押されました。\r\nプラグイン機能(T:F/(1))");
    EXPECT_EQ(MenuTestMessage(nullptr, plugins, menus), "何も選択されませんでした。");
}
