// The common functions on the real system: shortcuts and the start-up registration,
// bringing a window to the front, help-mode enlargement, combo item data.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include "app_state.h"
#include "basCommonFunc.h"
#include "e2e_support.h"
#include "host_dll.h"
#include "shortcut_reader.h"
#include "text_util.h"

using namespace ptr;

namespace {

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string TestProgramName() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string full = module;
    return full.substr(full.find_last_of('\\') + 1);
}

struct Shortcuts : ::testing::Test {
    ptrtest::TempDir dir;
    void SetUp() override {
        ASSERT_TRUE(HostDll::Load(ptrtest::DistDir()));
        App().AppPath = dir.path;
        App().HelpMode = false;
    }
    void TearDown() override { App().HelpMode = false; }
};

}  // namespace

TEST_F(Shortcuts, FunctionShortcutStartsTheProgramWithTheArguments) {
    const std::string link = dir.path + "ショートカット.lnk";
    ASSERT_TRUE(CreateFunctionShortcut(link, "テキストのみ", "/Execute:1:tlxText.tlx/1/1"));
    const ptrtest::ShortcutFields info = ptrtest::ReadShortcut(link);
    ASSERT_TRUE(info.loaded);
    EXPECT_TRUE(EqualsNoCase(info.path, dir.path + TestProgramName())) << info.path;
    EXPECT_EQ(info.arguments, "/Execute:1:tlxText.tlx/1/1");
    EXPECT_TRUE(EqualsNoCase(info.workingFolder + "\\", dir.path) || EqualsNoCase(info.workingFolder, dir.path))
        << info.workingFolder;
    EXPECT_EQ(info.description, "テキストのみ");
    EXPECT_EQ(info.iconIndex, 0);

    const std::string nowhere = dir.path + "missing\\x.lnk";
    EXPECT_FALSE(CreateFunctionShortcut(nowhere, "d", "/Execute:0:1"));
    EXPECT_FALSE(Exists(nowhere));
}

TEST_F(Shortcuts, StartupLinkIsRegisteredDetectedAndRemoved) {
    char folder[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, 0, folder)));
    const std::string link = std::string(folder) + "\\ポルテリカ.lnk";
    DeleteFileA(link.c_str());
    EXPECT_EQ(GetSpecialFolder(nullptr, CSIDL_STARTUP), folder);
    EXPECT_FALSE(SetStartup(true, false));

    App().HelpMode = true;
    {
        e2e::MessageBoxAnswerer answer(kProductName);
        EXPECT_TRUE(SetStartup(false, true));
        EXPECT_EQ(answer.Text(),
                  "スタートアップの登録に成功しました。\r\n次回より、Windows起動時に本ソフトも起動します。\n");
    }
    const ptrtest::ShortcutFields info = ptrtest::ReadShortcut(link);
    ASSERT_TRUE(info.loaded) << link;
    EXPECT_EQ(info.arguments, "/HelpMode");
    EXPECT_EQ(info.description, "クリップボード内容を参照・編集するプログラムです。");
    EXPECT_TRUE(SetStartup(true, false));
    EXPECT_TRUE(SetStartup(true, true)) << "checking only";

    EXPECT_FALSE(SetStartup(false, false));
    EXPECT_FALSE(Exists(link)) << "removed without a word";
    EXPECT_FALSE(SetStartup(true, false));

    App().HelpMode = false;
    {
        e2e::MessageBoxAnswerer answer(kProductName);
        EXPECT_TRUE(SetStartup(false, true));
        answer.Text();
    }
    EXPECT_EQ(ptrtest::ReadShortcut(link).arguments, "") << "no arguments outside help mode";
    SetStartup(false, false);
}

PTR_CHILD(front_window) {
    HWND window = CreateWindowExA(0, "Static", "other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    ptrtest::PumpFor(atoi(args.at(0).c_str()));
    DestroyWindow(window);
    return 0;
}

TEST(ActivateWindow, ComesToTheFrontFromBehindAnotherProgramAndRestoresTheLockTimeOut) {
    HWND mine = CreateWindowExA(0, "Static", "mine", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ptrtest::ChildProcess other = ptrtest::StartChild("front_window", {"4000"});
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return e2e::ForegroundProcess() == other.id; }));
    const HWND otherWindow = GetForegroundWindow();
    DWORD saved = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &saved, 0);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void *>(200000), 0);

    ActivateWindow(mine);
    EXPECT_EQ(GetForegroundWindow(), mine);
    EXPECT_EQ(App().ActivateWnd, otherWindow) << "the window that was in front is recorded";
    DWORD timeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    EXPECT_EQ(timeout, 200000u);

    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void *>(static_cast<UINT_PTR>(saved)), 0);
    DestroyWindow(mine);
    other.Wait();
}

TEST(ComboItemData, SelectedEntryOrMinusOne) {
    HWND combo = CreateWindowExA(0, "ComboBox", "", CBS_DROPDOWNLIST | WS_CHILD, 0, 0, 100, 100, HWND_MESSAGE,
                                 nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 100, 100, HWND_MESSAGE, nullptr, nullptr, nullptr);
    for (HWND box : {combo, list}) {
        const bool isCombo = box == combo;
        SendMessageA(box, isCombo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
        SendMessageA(box, isCombo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b"));
        SendMessageA(box, isCombo ? CB_SETITEMDATA : LB_SETITEMDATA, 1, 0x12345);
        EXPECT_EQ(GetComboItemData(box), -1) << (isCombo ? "combo" : "list") << ": nothing selected";
        SendMessageA(box, isCombo ? CB_SETCURSEL : LB_SETCURSEL, 1, 0);
        // Whole: a phrase's setting number goes past 16 bits.
        EXPECT_EQ(GetComboItemData(box), 0x12345) << (isCombo ? "combo" : "list");
        DestroyWindow(box);
    }
}

TEST(ScaleForHelpMode, EnlargesWindowAndControlsAndSetsTheFont) {
    App().HelpModeScale = 1.3f;
    HWND window = CreateWindowExA(0, "#32770", "dialog", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 10, 20, 50, 30, window, nullptr, nullptr,
                                  nullptr);
    ScaleForHelpMode(window);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 260);
    EXPECT_EQ(r.bottom - r.top, 130);
    GetWindowRect(button, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&r), 2);
    EXPECT_EQ(r.left, 13);
    EXPECT_EQ(r.top, 26);
    EXPECT_EQ(r.right - r.left, 65);
    EXPECT_EQ(r.bottom - r.top, 39);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Fixedsys");
    DestroyWindow(window);
    App().HelpModeScale = 1.0f;
}
