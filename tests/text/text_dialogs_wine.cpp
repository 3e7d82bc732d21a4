// The two settings dialogs, driven through their control ids from a timer
// that runs inside the dialogs' own modal loop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "text_plugin_host.h"

using namespace texttest;

namespace {

enum {
    kDataSaveCheck = 1016,
    kFuncNo = 1007,
    kJoinCaption = 1027,
    kJoinFront = 1001,
    kJoinBack = 1002,
    kSepNone = 1018,
    kSepLineBreak = 1019,
    kSepTab = 1020,
    kSepOther = 1025,
    kSepText = 1026
};

// Drives the "設定" dialog of this thread: `drive` inspects it and closes it.
// Setting PTR_TEST_DIALOG_PAUSE_MS keeps each dialog on screen that long
// first, for looking at it.
struct DriverState {
    const std::function<void(HWND)> *drive = nullptr;
    DWORD pauseMs = 0;
    DWORD seenAt = 0;
    bool seen = false;
    bool driven = false;
};
DriverState g_driver;

HWND FindOwnDialog() {
    for (HWND w = FindWindowA("#32770", "設定"); w; w = FindWindowExA(nullptr, w, "#32770", "設定"))
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() && IsWindowVisible(w)) return w;
    return nullptr;
}

void CALLBACK DriverTick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = FindOwnDialog();
    if (!dialog) return;
    if (!g_driver.seen) {
        g_driver.seen = true;
        g_driver.seenAt = GetTickCount();
    }
    const DWORD shown = GetTickCount() - g_driver.seenAt;
    if (!g_driver.driven && shown >= g_driver.pauseMs) {
        g_driver.driven = true;
        (*g_driver.drive)(dialog);
    } else if (g_driver.driven && shown >= g_driver.pauseMs + 5000) {
        ADD_FAILURE() << "the dialog was not closed";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

// Runs `open`, which returns when the modal dialog is closed; returns whether
// a dialog appeared and was driven.
bool DriveDialog(const std::function<void()> &open, const std::function<void(HWND)> &drive) {
    const char *pause = std::getenv("PTR_TEST_DIALOG_PAUSE_MS");
    g_driver = DriverState{&drive, pause ? static_cast<DWORD>(std::atoi(pause)) : 0};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, DriverTick);
    open();
    KillTimer(nullptr, timer);
    return g_driver.driven;
}

std::string ControlText(HWND dialog, int id) {
    char text[2048] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

// The one separator button that is checked, or 0.
int CheckedSeparator(HWND dialog) {
    int found = 0;
    for (int id = kSepNone; id <= kSepOther; ++id)
        if (Checked(dialog, id)) found = found ? -1 : id;
    return found;
}

class TextDialogs : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Loaded());
        // Hidden: under Wine without a window manager every window that is
        // taken off the screen costs a wait of two seconds.
        owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
        ASSERT_TRUE(owner);
    }
    void TearDown() override {
        plugin.reset();
        DestroyWindow(owner);
        PutClipboard({});
    }
    void Load(const std::string &ini) {
        plugin.reset();
        folder.WriteSettings(ini);
        plugin.emplace(host, folder);
        ASSERT_TRUE(plugin->Loaded());
    }
    bool Show(int funcno, const std::function<void(HWND)> &drive) {
        return DriveDialog([&] { plugin->ShowSetting(funcno, owner); }, [&](HWND dialog) {
            EXPECT_EQ(owner, GetWindow(dialog, GW_OWNER));
            EXPECT_FALSE(IsWindowEnabled(owner)) << "not modal to its owner";
            drive(dialog);
        });
    }
    std::string Ini() const { return ptrtest::ReadFileBytes(folder.SettingIni()); }

    HostDll host;
    ProgramFolder folder;
    std::optional<TextPlugin> plugin;
    HWND owner = nullptr;
};

TEST_F(TextDialogs, DataSaveDialogShowsAndStoresTheSetting) {
    Load("[Main]\r\nDataSave=1\r\n");
    ASSERT_TRUE(Show(0, [](HWND dialog) {
        EXPECT_EQ("終了時、テキストデータを記憶する", ControlText(dialog, kDataSaveCheck));
        EXPECT_EQ("ｷｬﾝｾﾙ", ControlText(dialog, IDCANCEL));
        EXPECT_TRUE(Checked(dialog, kDataSaveCheck));
        Click(dialog, kDataSaveCheck);
        Click(dialog, IDOK);
    }));
    EXPECT_EQ(0u, GetPrivateProfileIntA("Main", "DataSave", -1, folder.SettingIni().c_str()));

    // Cancel and the close box store nothing.
    for (bool closeBox : {false, true}) {
        ASSERT_TRUE(Show(0, [&](HWND dialog) {
            EXPECT_FALSE(Checked(dialog, kDataSaveCheck));
            Click(dialog, kDataSaveCheck);
            if (closeBox) SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            else Click(dialog, IDCANCEL);
        }));
        EXPECT_EQ(0u, GetPrivateProfileIntA("Main", "DataSave", -1, folder.SettingIni().c_str()));
    }

    // Switched on again, it takes effect in this run: the text is saved at quit.
    ASSERT_TRUE(Show(0, [](HWND dialog) {
        Click(dialog, kDataSaveCheck);
        Click(dialog, IDOK);
    }));
    EXPECT_NE(std::string::npos, Ini().find("DataSave=1")) << Ini();
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("remember me")}}));
    plugin.reset();
    EXPECT_EQ("remember me", ptrtest::ReadFileBytes(folder.DataLog()));
}

TEST_F(TextDialogs, DataSaveDialogCreatesTheMissingFolder) {
    plugin.emplace(host, folder);
    ASSERT_TRUE(plugin->Loaded());
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.DataFolder().c_str()));
    ASSERT_TRUE(Show(0, [](HWND dialog) {
        EXPECT_FALSE(Checked(dialog, kDataSaveCheck));
        Click(dialog, kDataSaveCheck);
        Click(dialog, IDOK);
    }));
    EXPECT_EQ(1u, GetPrivateProfileIntA("Main", "DataSave", -1, folder.SettingIni().c_str()));
}

TEST_F(TextDialogs, JoinSeparatorDialog) {
    Load("[Main]\r\nTextAddSep=\"\\n\"\r\nTextAddType=1\r\n");
    ASSERT_TRUE(Show(4, [](HWND dialog) {
        EXPECT_EQ("前回コピーしたテキストの", ControlText(dialog, kJoinCaption));
        EXPECT_TRUE(Visible(dialog, kJoinCaption) && Visible(dialog, kJoinFront) && Visible(dialog, kJoinBack));
        EXPECT_TRUE(Checked(dialog, kJoinBack));
        EXPECT_FALSE(Checked(dialog, kJoinFront));
        EXPECT_EQ(kSepLineBreak, CheckedSeparator(dialog));
        EXPECT_EQ("", ControlText(dialog, kSepText));
        EXPECT_EQ("4", ControlText(dialog, kFuncNo));
        EXPECT_FALSE(Visible(dialog, kFuncNo));
        // Typing a separator of one's own selects "その他" alone.
        SetDlgItemTextA(dialog, kSepText, " - ");
        EXPECT_EQ(kSepOther, CheckedSeparator(dialog));
        Click(dialog, kJoinFront);
        Click(dialog, IDOK);
    }));
    EXPECT_NE(std::string::npos, Ini().find("TextAddSep=\" - \"")) << Ini();
    EXPECT_NE(std::string::npos, Ini().find("TextAddType=0")) << Ini();

    for (const char *copy : {"A", "B"}) {
        ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(copy)}}));
        plugin->Func(kJoin);
    }
    EXPECT_EQ("B - A", ClipboardText());
}

TEST_F(TextDialogs, FileNameSeparatorDialog) {
    Load("[Main]\r\nFileToTextSep=\"  x \"\r\nTextAddSep=\";\"\r\n");
    ASSERT_TRUE(Show(2, [](HWND dialog) {
        EXPECT_FALSE(Visible(dialog, kJoinCaption) || Visible(dialog, kJoinFront) || Visible(dialog, kJoinBack));
        EXPECT_EQ("2", ControlText(dialog, kFuncNo));
        EXPECT_EQ(kSepOther, CheckedSeparator(dialog));
        EXPECT_EQ("  x ", ControlText(dialog, kSepText));
        Click(dialog, kSepTab);
        EXPECT_EQ(kSepTab, CheckedSeparator(dialog));
        Click(dialog, IDOK);
    }));
    EXPECT_NE(std::string::npos, Ini().find("FileToTextSep=\"\\t\"")) << Ini();
    EXPECT_NE(std::string::npos, Ini().find("TextAddSep=\";\"")) << Ini();  // the other separator stays

    ASSERT_TRUE(PutClipboard({{CF_HDROP, DropFilesBlock({"C:\\a", "C:\\b"})}}));
    plugin->Func(kFileNames);
    EXPECT_EQ("C:\\a\tC:\\b", ClipboardText());
}

TEST_F(TextDialogs, StoredSeparatorSelectsItsButton) {
    // Each choice's own mapping is tested natively; here the buttons.
    const struct {
        const char *stored;
        int button;
    } cases[] = {{"", kSepNone}, {"\\n", kSepLineBreak}, {"/", 1024}, {"\\n\\n", kSepOther}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        Load(std::string("[Main]\r\nTextAddSep=\"") + c.stored + "\"\r\n");
        ASSERT_TRUE(Show(4, [&](HWND dialog) {
            EXPECT_EQ(c.button, CheckedSeparator(dialog));
            EXPECT_TRUE(Checked(dialog, kJoinFront));  // TextAddType missing: in front
            EXPECT_EQ(c.button == kSepOther ? c.stored : "", ControlText(dialog, kSepText));
            Click(dialog, IDOK);
        }));
        // OK without a change writes back what was stored.
        EXPECT_NE(std::string::npos, Ini().find(std::string("TextAddSep=\"") + c.stored + "\"")) << Ini();
    }
}

TEST_F(TextDialogs, CancelStoresNothing) {
    Load("[Main]\r\nFileToTextSep=\";\"\r\n");
    const std::string before = Ini();
    ASSERT_TRUE(Show(2, [](HWND dialog) {
        SetDlgItemTextA(dialog, kSepText, "changed");
        Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(before, Ini());
    ASSERT_TRUE(Show(2, [](HWND dialog) {
        EXPECT_EQ(kSepNone + 3, CheckedSeparator(dialog));
        Click(dialog, IDOK);
    }));
}

TEST_F(TextDialogs, LongSeparatorIsCutAtACharacterBoundary) {
    Load("[Main]\r\n");
    std::string typed;
    for (int i = 0; i < 600; ++i) typed += "区";
    ASSERT_TRUE(Show(4, [&](HWND dialog) {
        SetDlgItemTextA(dialog, kSepText, typed.c_str());
        Click(dialog, IDOK);
    }));
    char value[4096] = {};
    GetPrivateProfileStringA("Main", "TextAddSep", "", value, sizeof value, folder.SettingIni().c_str());
    // 511 characters fill 1,022 bytes; the next one would not fit whole.
    EXPECT_EQ(1022u, strlen(value));
    EXPECT_TRUE(typed.substr(0, 1022) == value);
}

TEST_F(TextDialogs, FunctionsWithoutSettingsOpenNothing) {
    Load("[Main]\r\n");
    for (int funcno : {1, 3, 5, 6, -1}) {
        EXPECT_FALSE(Show(funcno, [](HWND dialog) { Click(dialog, IDCANCEL); })) << funcno;
    }
    EXPECT_EQ(0, host.ShowAbout(plugin->Id(), owner));
}

}  // namespace
