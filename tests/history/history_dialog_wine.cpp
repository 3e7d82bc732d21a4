// The plug-in loaded through the host's proxies from a folder of its own: its
// settings dialog, the question before clearing, and what becomes of its file.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "e2e_support.h"
#include "earlier_history_file.h"
#include "history_file.h"
#include "history_wine_support.h"
#include "recorded_history.h"
#include "sealed_history.h"
#include "text_plugin_host.h"

using historytest::SmallDib;
using ptrtest::Utf16Bytes;

namespace {

enum { kMaxCount = 1001, kMaxSize = 1003, kKeepAfterExit = 1005, kPasteChosen = 1006, kSkippedPrograms = 1007 };
enum { kRetentionDays = 1008, kClearOnLock = 1010, kPlaceProgram = 1011, kPlaceLocal = 1012, kPlaceNote = 1013 };
enum { kRecord = 1, kClear = 3 };


struct HistoryPlugin : testing::Test {
    ptrtest::TempDir dir;
    texttest::HostDll host;
    INT_PTR id = KX_PLUGIN_NOT_LOADED;

    void SetUp() override {
        CreateDirectoryA((dir.path + "Plugins").c_str(), nullptr);
        CreateDirectoryA(Folder().c_str(), nullptr);
        ASSERT_TRUE(ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\tlxHistory.tlx", PluginPath()));
        ASSERT_TRUE(host.Loaded());
    }
    void TearDown() override { Quit(); }

    std::string PluginPath() const { return dir.path + "Plugins\\tlxHistory.tlx"; }
    std::string Folder() const { return dir.path + "Plugins\\tlxHistory\\"; }
    std::string HistoryFile() const { return Folder() + "History.dat"; }
    std::string Setting(const char *key) const {
        char value[64] = {};
        GetPrivateProfileStringA("Main", key, "(missing)", value, sizeof value, (Folder() + "Setting.ini").c_str());
        return value;
    }

    void Load() { ASSERT_NE(id = host.Init(PluginPath().c_str()), KX_PLUGIN_NOT_LOADED); }
    void Quit() {
        if (id != KX_PLUGIN_NOT_LOADED) host.Quit(id);
        id = KX_PLUGIN_NOT_LOADED;
    }
    void Record(const std::u16string &text) {
        ASSERT_TRUE(texttest::PutClipboard({{CF_UNICODETEXT, Utf16Bytes(text)}}));
        host.Func(id, kRecord, 1, nullptr, TLX_CALL_WATCH, 0);
    }
    // The file as the plug-in left it, its texts with pinned ones marked "*".
    std::vector<std::u16string> SavedTexts() const {
        std::vector<std::u16string> texts;
        for (const auto &entry : historytest::SavedHistory(HistoryFile()).value_or(
                 std::vector<tlxhistory::HistoryEntry>{}))
            texts.push_back((entry.pinned ? u"*" : u"") + tlxhistory::Utf16FromBytes(entry.data));
        return texts;
    }
    // OK was refused with a message owned by the dialog holding `words`; the dialog stays
    // open until cancelled.
    static void ExpectRefused(dlgtest::Driver &d, HWND dialog, const char *words) {
        const HWND box = d.WaitForDialog("設定", dialog);
        ASSERT_NE(box, nullptr) << "a message owned by the dialog";
        EXPECT_NE(d.MessageText(box).find(words), std::string::npos);
        d.Key(box, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(box));
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
        d.Click(dialog, IDCANCEL);
        EXPECT_TRUE(d.WaitClosed(dialog));
    }
    void ShowSettings(const std::function<void(dlgtest::Driver &, HWND)> &script) {
        dlgtest::RunModal([&] { host.ShowSetting(id, 0, 1, nullptr); }, [&](dlgtest::Driver &d) {
            const HWND dialog = d.WaitForDialog("設定");
            ASSERT_NE(dialog, nullptr);
            script(d, dialog);
        });
    }
};

}  // namespace


TEST_F(HistoryPlugin, WhatEachCopyIsRecordedAs) {
    const std::u16string text = u"絵文字😀と한글";
    const std::vector<std::u16string> names = {u"C:\\한글\\ä.txt", u"C:\\b.txt"};
    const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    const UINT canInclude = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
    struct Case {
        const char *name;
        std::vector<texttest::Block> blocks;
        std::optional<tlxhistory::EntryKind> kind;   // nothing: not recorded
    };
    const Case cases[] = {
        {"Unicode text", {{CF_UNICODETEXT, Utf16Bytes(text)}}, tlxhistory::EntryKind::kText},
        {"8-bit text only", {{CF_TEXT, std::string("ansi\0", 5)}}, tlxhistory::EntryKind::kText},
        {"file list", {{CF_HDROP, texttest::DropFilesBlockWide(names)}}, tlxhistory::EntryKind::kFiles},
        {"bitmap", {{CF_DIB, SmallDib()}}, tlxhistory::EntryKind::kImage},
        {"private by presence", {{CF_UNICODETEXT, Utf16Bytes(u"secret")}, {exclude, std::string(1, '\0')}}, {}},
        {"private by value", {{CF_UNICODETEXT, Utf16Bytes(u"secret")}, {canInclude, std::string(4, '\0')}}, {}},
        {"other format", {{RegisterClipboardFormatA("Porterica test"), "x"}}, {}},
    };
    Load();
    size_t expected = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(texttest::PutClipboard(c.blocks));
        host.Func(id, kRecord, 1, nullptr, TLX_CALL_MENU, 0);
        Quit();   // writes what is pending
        const auto saved = historytest::SavedHistory(HistoryFile());
        ASSERT_TRUE(saved.has_value());
        if (c.kind) ++expected;
        ASSERT_EQ(saved->size(), expected);
        if (c.kind) {
            EXPECT_EQ(saved->front().kind, *c.kind);
        }
        Load();
    }
    const auto saved = historytest::SavedHistory(HistoryFile()).value();
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(tlxhistory::PngSize(saved[0].data)->width, 4u);
    EXPECT_EQ(tlxhistory::FileListNames(saved[1].data), names);
    EXPECT_EQ(tlxhistory::Utf16FromBytes(saved[2].data), u"ansi");
    EXPECT_EQ(tlxhistory::Utf16FromBytes(saved[3].data), text);
}

TEST_F(HistoryPlugin, SettingsDialogShowsDefaultsAndChangesTheLimit) {
    Load();
    for (const char *text : {"a", "b", "c"}) Record(std::u16string(text, text + 1));
    ShowSettings([](dlgtest::Driver &d, HWND dialog) {
        EXPECT_EQ(d.Text(dialog, kMaxCount), "200");
        EXPECT_EQ(d.Text(dialog, kMaxSize), "4096");
        EXPECT_TRUE(IsDlgButtonChecked(dialog, kKeepAfterExit) == BST_CHECKED);
        EXPECT_TRUE(IsDlgButtonChecked(dialog, kPasteChosen) == BST_CHECKED);
        EXPECT_EQ(d.Text(dialog, kSkippedPrograms), "");
        d.Screenshot(dialog, "history_settings");
        d.Type(GetDlgItem(dialog, kMaxCount), "2");
        d.Type(GetDlgItem(dialog, kSkippedPrograms), " keepass.exe;*pass*.exe");
        d.Click(dialog, IDOK);
        EXPECT_TRUE(d.WaitClosed(dialog));
    });
    EXPECT_EQ(Setting("MaxCount"), "2");
    EXPECT_EQ(Setting("SkippedPrograms"), " keepass.exe;*pass*.exe") << "its blanks kept";
    Quit();
    EXPECT_EQ(SavedTexts(), (std::vector<std::u16string>{u"c", u"b"})) << "the oldest went at once";
}

TEST_F(HistoryPlugin, NumbersOutsideTheirRangeAreRefusedWithAMessage) {
    Load();
    struct Case {
        int field;
        const char *value;
    };
    for (const Case &c : {Case{kMaxCount, "0"}, Case{kMaxCount, "10001"}, Case{kMaxSize, "0"}}) {
        SCOPED_TRACE(c.value);
        ShowSettings([&](dlgtest::Driver &d, HWND dialog) {
            d.Type(GetDlgItem(dialog, c.field), c.value);
            d.Click(dialog, IDOK);
            ExpectRefused(d, dialog, "までの数で入力してください");
        });
    }
    EXPECT_EQ(Setting("MaxCount"), "(missing)");
}

TEST_F(HistoryPlugin, KeepingTurnedOffRemovesTheFileAndWritesNoMore) {
    Load();
    Record(u"kept");
    Quit();
    ASSERT_EQ(SavedTexts(), std::vector<std::u16string>{u"kept"});
    Load();
    ShowSettings([](dlgtest::Driver &d, HWND dialog) {
        d.Click(dialog, kKeepAfterExit);
        d.Click(dialog, IDOK);
        EXPECT_TRUE(d.WaitClosed(dialog));
    });
    EXPECT_EQ(GetFileAttributesA(HistoryFile().c_str()), INVALID_FILE_ATTRIBUTES);
    Record(u"not kept");
    Quit();
    EXPECT_EQ(GetFileAttributesA(HistoryFile().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Setting("KeepAfterExit"), "0");
}

TEST_F(HistoryPlugin, ClearingAsksAndKeepsPinnedEntries) {
    std::vector<tlxhistory::HistoryEntry> saved = {
        tlxhistory::MakeEntry(tlxhistory::EntryKind::kText, tlxhistory::BytesFromUtf16(u"pinned")),
        tlxhistory::MakeEntry(tlxhistory::EntryKind::kText, tlxhistory::BytesFromUtf16(u"loose"))};
    saved[0].pinned = true;
    ASSERT_TRUE(ptrtest::WriteFileBytes(HistoryFile(), tlxhistory::SerializeHistory(saved)));
    Load();
    for (const int answer : {IDNO, IDYES}) {
        dlgtest::RunModal([&] { host.Func(id, kClear, 1, nullptr, TLX_CALL_MENU, 0); }, [&](dlgtest::Driver &d) {
            const HWND box = d.WaitForDialog("履歴");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(d.MessageText(box), "履歴を消去してよろしいですか？");
            d.Click(box, answer);
            EXPECT_TRUE(d.WaitClosed(box));
        });
        ptrtest::PumpFor(1500);   // the file is written a moment after a change
        EXPECT_EQ(SavedTexts(), answer == IDNO ? (std::vector<std::u16string>{u"*pinned", u"loose"})
                                               : (std::vector<std::u16string>{u"*pinned"}));
    }
}

namespace {

// A history file of one text entry as an earlier version wrote it, in the clear (a newer
// version's is refused before its entries are read).
std::string OneTextFile(uint32_t version, const std::u16string &text) {
    return historytest::EarlierVersionFile(
        version, {tlxhistory::MakeEntry(tlxhistory::EntryKind::kText, tlxhistory::BytesFromUtf16(text))});
}

// The balloons of a host that shows them, noted instead.
std::vector<std::string> g_notices;
int32_t WINAPI NoteNotice(const char *, const char *text, int32_t) {
    g_notices.push_back(text);
    return 1;
}

// Hands the plug-ins the services of such a host, through the host DLL loaded in this process.
void ShowNoticesAsTheProgramDoes() {
    static const TlxHost host{sizeof(TlxHost), nullptr, 100, nullptr, NoteNotice};
    using SetPluginHostFn = void(WINAPI *)(const TlxHost *);
    const auto setHost = reinterpret_cast<SetPluginHostFn>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("KXDLL.dll"), "SetPluginHost")));
    ASSERT_NE(setHost, nullptr);
    setHost(&host);
}

std::string SealedText(const std::u16string &text) {
    return historytest::SealedHistoryFile(
        {tlxhistory::MakeEntry(tlxhistory::EntryKind::kText, tlxhistory::BytesFromUtf16(text))});
}

}  // namespace

// Each file the plug-in finds at its start: read (and written anew, sealed, when it was in
// the clear), or set aside with a word to the user, who has the history start empty.
TEST_F(HistoryPlugin, AFileItCannotReadIsSetAsideWithANoticeAndOneInTheClearIsSealed) {
    // What tells the two notices apart.
    const char *kNotTheirs = "別のPCか別のユーザー";
    const char *kDamaged = "壊れているか新しい版";
    ShowNoticesAsTheProgramDoes();
    struct Case {
        const char *name;
        std::string file;
        bool record;   // a copy recorded before the plug-in ends
        std::vector<std::u16string> kept;
        const char *notice;   // words of the one notice; null: none, and nothing set aside
    };
    const Case cases[] = {
        {"sealed", SealedText(u"sealed"), true, {u"fresh", u"sealed"}, nullptr},
        {"sealed for another user", historytest::SealedForSomeoneElse(SealedText(u"theirs")), true, {u"fresh"},
         kNotTheirs},
        {"sealed, its ciphertext damaged", historytest::WithDamagedCiphertext(SealedText(u"damaged")), true,
         {u"fresh"}, kDamaged},
        {"sealed by a newer version", "PTRHSEAL\x02" + SealedText(u"newer").substr(9), true, {u"fresh"}, kDamaged},
        {"in the clear, damaged", std::string("PTRHIST\0 not what was written", 29), true, {u"fresh"}, kDamaged},
        {"in the clear, from a newer version", OneTextFile(tlxhistory::kHistoryFileVersion + 1, u"newer"), true,
         {u"fresh"}, kDamaged},
        {"in the clear, from the first version", OneTextFile(1, u"older"), true, {u"fresh", u"older"}, nullptr},
        {"in the clear, from the second version, nothing copied", OneTextFile(2, u"older"), false, {u"older"},
         nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.empty());
        DeleteFileA((HistoryFile() + ".damaged").c_str());
        ASSERT_TRUE(ptrtest::WriteFileBytes(HistoryFile(), c.file));
        g_notices.clear();
        Load();
        ASSERT_EQ(c.notice ? 1u : 0u, g_notices.size());
        if (c.notice) EXPECT_NE(g_notices.front().find(c.notice), std::string::npos) << g_notices.front();
        if (c.record) Record(u"fresh");
        Quit();
        EXPECT_EQ(SavedTexts(), c.kept);
        EXPECT_TRUE(tlxhistory::LooksSealed(ptrtest::ReadFileBytes(HistoryFile()))) << "written sealed";
        if (c.notice)
            EXPECT_EQ(ptrtest::ReadFileBytes(HistoryFile() + ".damaged"), c.file) << "kept beside the original";
        else
            EXPECT_EQ(GetFileAttributesA((HistoryFile() + ".damaged").c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

namespace {

// A variable of this process's environment, which the plug-in loaded into it reads, set
// for a scope.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const std::string &value) : name_(name) {
        char old[MAX_PATH] = {};
        had_ = GetEnvironmentVariableA(name, old, sizeof old) > 0;
        old_ = old;
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }
    void Set(const std::string &value) const { SetEnvironmentVariableA(name_, value.c_str()); }

private:
    const char *name_;
    std::string old_;
    bool had_ = false;
};

}  // namespace

// "履歴の保存先": the file moves to the user's local folder and back with every entry, the
// settings' new fields are kept, and a folder the history cannot be written to is refused.
TEST_F(HistoryPlugin, TheHistoryMovesToTheLocalFolderAndBackWithoutLoss) {
    ptrtest::TempDir local;
    const ScopedVariable localAppData("LOCALAPPDATA", local.path.substr(0, local.path.size() - 1));
    const ScopedVariable synced("PORTERICA_TEST_SYNCED_FOLDERS", "Dropbox=" + dir.path);
    const std::string localFile = local.path + "Porterica\\History.dat";
    const auto savedIn = [](const std::string &path) {
        std::vector<std::u16string> texts;
        for (const auto &entry : historytest::SavedHistory(path).value_or(std::vector<tlxhistory::HistoryEntry>{}))
            texts.push_back(tlxhistory::Utf16FromBytes(entry.data));
        return texts;
    };
    const auto exists = [](const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; };
    {
        // This host shows no balloons: the plug-in says it in a message box.
        e2e::MessageBoxAnswerer notice("履歴");
        Load();
        const std::string text = notice.Text();
        EXPECT_NE(text.find("Dropbox で同期"), std::string::npos) << text;
        EXPECT_NE(text.find("「履歴の保存先」"), std::string::npos) << "where to change it";
    }
    EXPECT_EQ(Setting("SyncedFolderTold"), "1");
    Record(u"a");
    Record(u"b");
    Quit();
    ASSERT_TRUE(exists(HistoryFile()));
    {
        e2e::MessageBoxAnswerer again("履歴", IDOK, 500);
        Load();
        EXPECT_EQ(again.Text(), "") << "said once, not at every start";
    }
    ShowSettings([](dlgtest::Driver &d, HWND dialog) {
        EXPECT_NE(d.Text(dialog, kPlaceNote).find("Dropbox で同期"), std::string::npos);
        d.Screenshot(dialog, "history_settings_synced");
        EXPECT_TRUE(IsDlgButtonChecked(dialog, kPlaceProgram) == BST_CHECKED);
        EXPECT_EQ(d.Text(dialog, kRetentionDays), "0");
        EXPECT_FALSE(IsDlgButtonChecked(dialog, kClearOnLock) == BST_CHECKED);
        d.Click(dialog, kKeepAfterExit);
        d.Sync();
        EXPECT_FALSE(d.Enabled(dialog, kPlaceLocal)) << "no folder to choose for a history not kept";
        d.Click(dialog, kKeepAfterExit);
        d.Sync();
        EXPECT_TRUE(d.Enabled(dialog, kPlaceLocal));
        d.Click(dialog, kPlaceLocal);
        d.Type(GetDlgItem(dialog, kRetentionDays), "30");
        d.Click(dialog, kClearOnLock);
        d.Click(dialog, IDOK);
        EXPECT_TRUE(d.WaitClosed(dialog));
    });
    EXPECT_EQ(savedIn(localFile), (std::vector<std::u16string>{u"b", u"a"})) << "written there at once";
    EXPECT_FALSE(exists(HistoryFile())) << "and gone from beside the program";
    EXPECT_EQ(Setting("HistoryFolder"), "%LOCALAPPDATA%\\Porterica\\");
    EXPECT_EQ(Setting("RetentionDays"), "30");
    EXPECT_EQ(Setting("ClearOnLock"), "1");
    Record(u"c");
    Quit();
    EXPECT_EQ(savedIn(localFile), (std::vector<std::u16string>{u"c", u"b", u"a"}));

    // Read from there at the next start, and moved back.
    Load();
    ShowSettings([](dlgtest::Driver &d, HWND dialog) {
        EXPECT_TRUE(IsDlgButtonChecked(dialog, kPlaceLocal) == BST_CHECKED);
        EXPECT_TRUE(d.Click(dialog, kPlaceProgram));
        d.Sync();
        EXPECT_TRUE(IsDlgButtonChecked(dialog, kPlaceProgram) == BST_CHECKED);
        d.Click(dialog, IDOK);
        EXPECT_TRUE(d.WaitClosed(dialog));
    });
    EXPECT_EQ(SavedTexts(), (std::vector<std::u16string>{u"c", u"b", u"a"}));
    EXPECT_FALSE(exists(localFile));

    // A folder that cannot be made: refused, and nothing moves.
    ASSERT_TRUE(ptrtest::WriteFileBytes(local.path + "not a folder", "x"));
    localAppData.Set(local.path + "not a folder");
    ShowSettings([](dlgtest::Driver &d, HWND dialog) {
        d.Click(dialog, kPlaceLocal);
        d.Click(dialog, IDOK);
        ExpectRefused(d, dialog, "に保存できませんでした");
    });
    EXPECT_EQ(Setting("HistoryFolder"), "");
    EXPECT_EQ(SavedTexts(), (std::vector<std::u16string>{u"c", u"b", u"a"}));
}

// 連続貼り付け queues copies the history does not record here (no watch action records
// them): nothing of them reaches the file.
TEST_F(HistoryPlugin, TheQueuesItemsStayOutOfTheFileWhenTheHistoryDoesNotRecordThem) {
    enum { kQueueMode = 4 };
    Load();
    Record(u"recorded");
    host.Func(id, kQueueMode, 1, nullptr, TLX_CALL_MENU, 0);
    const historytest::CopyingWindow copier;
    for (const char16_t *text : {u"queued one", u"queued two"}) {
        ASSERT_TRUE(copier.Copy(text));
        ptrtest::PumpFor(300);
    }
    host.Func(id, kQueueMode, 1, nullptr, TLX_CALL_MENU, 0);   // off: the newest stays as an ordinary copy
    Quit();
    EXPECT_EQ(SavedTexts(), std::vector<std::u16string>{u"recorded"});
}

