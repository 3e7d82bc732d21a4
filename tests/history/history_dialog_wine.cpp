// The plug-in loaded through the host's proxies from a folder of its own: its
// settings dialog, the question before clearing, and what becomes of its file.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "history_file.h"
#include "history_wine_support.h"
#include "text_plugin_host.h"

using historytest::SmallDib;
using ptrtest::Utf16Bytes;

namespace {

enum { kMaxCount = 1001, kMaxSize = 1003, kKeepAfterExit = 1005, kPasteChosen = 1006, kSkippedPrograms = 1007 };
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
        for (const auto &entry : tlxhistory::ParseHistory(ptrtest::ReadFileBytes(HistoryFile())).value_or(
                 std::vector<tlxhistory::HistoryEntry>{}))
            texts.push_back((entry.pinned ? u"*" : u"") + tlxhistory::Utf16FromBytes(entry.data));
        return texts;
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
        const auto saved = tlxhistory::ParseHistory(ptrtest::ReadFileBytes(HistoryFile()));
        ASSERT_TRUE(saved.has_value());
        if (c.kind) ++expected;
        ASSERT_EQ(saved->size(), expected);
        if (c.kind) {
            EXPECT_EQ(saved->front().kind, *c.kind);
        }
        Load();
    }
    const auto saved = tlxhistory::ParseHistory(ptrtest::ReadFileBytes(HistoryFile())).value();
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
            const HWND box = d.WaitForDialog("設定", dialog);
            ASSERT_NE(box, nullptr) << "a message owned by the dialog";
            EXPECT_NE(d.MessageText(box).find("までの数で入力してください"), std::string::npos);
            d.Key(box, VK_RETURN);
            EXPECT_TRUE(d.WaitClosed(box));
            EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
            d.Click(dialog, IDCANCEL);
            EXPECT_TRUE(d.WaitClosed(dialog));
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

void PutU32(std::string &out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A history file of one text entry as the version given writes it (the first had no forms).
std::string OneTextFile(uint32_t version, const std::u16string &text) {
    const std::string data = tlxhistory::BytesFromUtf16(text);
    std::string file("PTRHIST\0", 8);
    PutU32(file, version);
    PutU32(file, 1);
    file += '\x01';   // text
    file += '\x00';   // not pinned
    PutU32(file, static_cast<uint32_t>(data.size()));
    file += data;
    if (version > 1) file += '\x00';   // no forms
    PutU32(file, tlxhistory::Crc32(file));
    return file;
}

}  // namespace

TEST_F(HistoryPlugin, AFileItCannotReadIsSetAsideAndAnOlderOneIsUpgraded) {
    struct Case {
        const char *name;
        std::string file;
        bool record;   // a copy recorded before the plug-in ends
        std::vector<std::u16string> kept;
        bool setAside;
    };
    const Case cases[] = {
        {"damaged", std::string("PTRHIST\0 not what was written", 29), true, {u"fresh"}, true},
        {"from a newer version", OneTextFile(tlxhistory::kHistoryFileVersion + 1, u"newer"), true, {u"fresh"}, true},
        {"from the first version", OneTextFile(1, u"older"), true, {u"fresh", u"older"}, false},
        {"from the first version, nothing copied", OneTextFile(1, u"older"), false, {u"older"}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((HistoryFile() + ".damaged").c_str());
        ASSERT_TRUE(ptrtest::WriteFileBytes(HistoryFile(), c.file));
        Load();
        if (c.record) Record(u"fresh");
        Quit();
        EXPECT_EQ(SavedTexts(), c.kept);
        EXPECT_EQ(ptrtest::ReadFileBytes(HistoryFile())[8], static_cast<char>(tlxhistory::kHistoryFileVersion));
        if (c.setAside)
            EXPECT_EQ(ptrtest::ReadFileBytes(HistoryFile() + ".damaged"), c.file) << "kept beside the original";
        else
            EXPECT_EQ(GetFileAttributesA((HistoryFile() + ".damaged").c_str()), INVALID_FILE_ATTRIBUTES);
    }
}
