// The history private at rest, through the real program: the file holds no copied text
// in any encoding and gives every entry back after a restart; a file in the clear is
// sealed without loss, one sealed for someone else is set aside with a notice while the
// program goes on; the retention and the lock of the session remove the unpinned
// entries; a sync client's folder is said once.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>
#include <string>
#include <vector>

#include <wtsapi32.h>

#include "e2e_support.h"
#include "earlier_history_file.h"
#include "history_file.h"
#include "history_wine_support.h"
#include "recorded_history.h"
#include "sealed_history.h"
#include "unicode_text.h"

using e2e::ProgramFolder;
using historytest::CopyingWindow;
using historytest::TypingProgram;
using tlxhistory::EntryKind;
using tlxhistory::HistoryEntry;

namespace {

const std::string kSettings =
    ptrtest::QuietMain(true) + ptrtest::WatchSection({{.function = "tlxHistory.tlx/1/1", .formats = ""}});
const char kOpenHistory[] = "/Execute:1:tlxHistory.tlx/2/1";

HistoryEntry Text(const std::u16string &text, bool pinned = false, int64_t copiedAt = 0) {
    HistoryEntry entry = tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text));
    entry.pinned = pinned;
    entry.copiedAt = copiedAt;
    return entry;
}

// The text in code page 932, when every character has a form there.
std::optional<std::string> InCodePage932(const std::u16string &text) {
    const auto *wide = reinterpret_cast<const wchar_t *>(text.c_str());
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, &lost);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, -1, bytes.data(), size, nullptr, &lost);
    bytes.resize(bytes.size() - 1);
    if (lost) return std::nullopt;
    return bytes;
}

// Where a text shows in the files of a folder, in UTF-8, UTF-16 or code page 932: "file
// (encoding)" each; none when it is nowhere.
std::vector<std::string> WhereFound(const std::string &folder, const std::u16string &text) {
    std::vector<std::pair<const char *, std::string>> forms = {{"UTF-8", utf::Utf8FromUtf16(text)},
                                                               {"UTF-16", tlxhistory::BytesFromUtf16(text)}};
    if (const auto sjis = InCodePage932(text)) forms.push_back({"code page 932", *sjis});
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string bytes = ptrtest::ReadFileBytes(folder + data.cFileName);
        for (const auto &[encoding, form] : forms)
            if (bytes.find(form) != std::string::npos) found.push_back(std::string(data.cFileName) + " (" + encoding + ")");
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return found;
}

// A variable of the environment the program inherits, set for a scope.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const std::string &value) : name_(name) { SetEnvironmentVariableA(name, value.c_str()); }
    ~ScopedVariable() { SetEnvironmentVariableA(name_, nullptr); }

private:
    const char *name_;
};

struct PrivateHistory : testing::Test {
    ProgramFolder program;
    CopyingWindow copier;

    void SetUp() override {
        program.AddPlugin("tlxHistory.tlx");
        program.WriteSettings(kSettings);
        CreateDirectoryA(Folder().c_str(), nullptr);
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }

    std::string Folder() const { return program.Path() + "Plugins\\tlxHistory\\"; }
    std::string HistoryFile() const { return Folder() + "History.dat"; }
    std::string PluginSetting(const char *key) const {
        char value[64] = {};
        GetPrivateProfileStringA("Main", key, "(missing)", value, sizeof value, (Folder() + "Setting.ini").c_str());
        return value;
    }
    // The saved texts, pinned ones marked "*", once they are as expected or a while has passed.
    std::vector<std::u16string> SavedTexts(const std::vector<std::u16string> &expected) const {
        std::vector<std::u16string> texts;
        ptrtest::PumpUntil([&] {
            texts.clear();
            for (const auto &entry : historytest::SavedHistory(HistoryFile()).value_or(std::vector<HistoryEntry>{}))
                texts.push_back((entry.pinned ? u"*" : u"") + tlxhistory::Utf16FromBytes(entry.data));
            return texts == expected;
        }, 8000);
        return texts;
    }
    // Whether an entry of this text is saved, once it is or a while has passed.
    bool Saved(const std::u16string &text) const {
        return ptrtest::PumpUntil([&] {
            for (const auto &entry : historytest::SavedHistory(HistoryFile()).value_or(std::vector<HistoryEntry>{}))
                if (tlxhistory::Utf16FromBytes(entry.data) == text) return true;
            return false;
        }, 8000);
    }
    void Copy(const std::u16string &text) {
        ASSERT_TRUE(copier.Copy(text));
        EXPECT_TRUE(Saved(text)) << "recorded";
    }
    // Opens the history window and presses Ctrl+row: the entry is pasted into the typing program.
    void PasteRow(const TypingProgram &typing, char row) {
        typing.BringToFront();
        auto execute = program.Run(kOpenHistory);
        ASSERT_NE(nullptr, e2e::WaitForWindow(GetProcessId(program.Process()), "tlxHistoryWindow", "履歴", 8000));
        ptrtest::PumpFor(500);
        e2e::PressChord({VK_CONTROL, static_cast<WORD>(row)});
    }
};

}  // namespace

TEST_F(PrivateHistory, NoCopiedTextIsInTheFileAndEveryEntryComesBackAfterARestart) {
    // The program's folder lies in a folder a sync client uploads.
    const ScopedVariable synced("PORTERICA_TEST_SYNCED_FOLDERS", "OneDrive=" + program.Path());
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(ptrtest::PumpUntil(ptrtest::BalloonShown, 8000)) << "the sync client's folder said in a balloon";

    const std::vector<std::u16string> texts = {u"契約書の下書き：甲は乙に対し", u"〒100-0001 東京都千代田区千代田1-1 山田様",
                                               u"one-time code 482913", u"😀 naïve ｶﾀｶﾅ"};
    for (const auto &text : texts) Copy(text);
    const historytest::Formatted formatted = historytest::FormattedCopy(u"太字の機密 bold secret");
    ASSERT_TRUE(copier.Copy(formatted.blocks));
    EXPECT_TRUE(Saved(u"太字の機密 bold secret"));
    const std::vector<std::u16string> names = {u"C:\\機密\\給与明細.xlsx"};
    ASSERT_TRUE(copier.Copy({{CF_HDROP, texttest::DropFilesBlockWide(names)}}));
    const std::vector<std::u16string> saved = {u"C:\\機密\\給与明細.xlsx", u"太字の機密 bold secret", texts[3], texts[2],
                                               texts[1], texts[0]};
    ptrtest::PumpUntil([&] { return historytest::SavedHistory(HistoryFile()).value_or(std::vector<HistoryEntry>{}).size() == 6; },
                       8000);
    program.Stop();

    std::vector<std::u16string> searched = texts;
    searched.push_back(u"太字の機密 bold secret");
    searched.push_back(u"給与明細.xlsx");
    searched.push_back(u"one-time");   // a part is no more there than the whole
    for (const auto &text : searched) {
        SCOPED_TRACE(utf::Utf8FromUtf16(text));
        EXPECT_EQ(std::vector<std::string>{}, WhereFound(Folder(), text));
    }
    const std::string file = ptrtest::ReadFileBytes(HistoryFile());
    EXPECT_TRUE(tlxhistory::LooksSealed(file));
    EXPECT_EQ(std::string::npos, file.find("HTML Format")) << "nor the names of its forms";
    const auto entries = historytest::SavedHistory(HistoryFile());
    ASSERT_TRUE(entries.has_value()) << "this user opens it";
    ASSERT_EQ(6u, entries->size());
    EXPECT_EQ(names, tlxhistory::FileListNames(entries->front().data));
    EXPECT_EQ(formatted.html, entries->at(1).forms.at(0).data);
    EXPECT_EQ("1", PluginSetting("SyncedFolderTold")) << "said once, not at every start";

    ASSERT_TRUE(program.Start());
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    PasteRow(typing, '4');
    EXPECT_TRUE(typing.WaitForText(texts[2]));
    PasteRow(typing, '6');
    EXPECT_TRUE(typing.WaitForText(texts[2] + texts[0]));
}

TEST_F(PrivateHistory, AFileInTheClearIsSealedWithoutLossAndOneSealedForSomeoneElseIsSetAside) {
    // Today's file: every kind, a pin and formatting, in the clear.
    std::vector<HistoryEntry> today = {Text(u"固定した住所 東京都", true),
                                       tlxhistory::MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"書式付き"),
                                                             {{"HTML Format", "<b>書式付き</b>"}}),
                                       tlxhistory::MakeEntry(EntryKind::kFiles, tlxhistory::FileListData({u"C:\\a.txt"})),
                                       Text(u"ただのテキスト")};
    ASSERT_TRUE(ptrtest::WriteFileBytes(HistoryFile(), historytest::EarlierVersionFile(2, today)));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return tlxhistory::LooksSealed(ptrtest::ReadFileBytes(HistoryFile())); }, 8000))
        << "sealed at once, not at the first copy";
    const auto upgraded = historytest::SavedHistory(HistoryFile());
    ASSERT_TRUE(upgraded.has_value());
    ASSERT_EQ(today.size(), upgraded->size());
    for (size_t i = 0; i < today.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(tlxhistory::SameContent(today[i], upgraded->at(i)));
        EXPECT_EQ(today[i].pinned, upgraded->at(i).pinned);
    }
    for (const char16_t *text : {u"固定した住所", u"ただのテキスト"}) EXPECT_EQ(std::vector<std::string>{}, WhereFound(Folder(), text));
    program.Stop();

    // The folder copied from another PC or account.
    const std::string theirs = historytest::SealedForSomeoneElse(historytest::SealedHistoryFile(today));
    ASSERT_TRUE(ptrtest::WriteFileBytes(HistoryFile(), theirs));
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(ptrtest::PumpUntil(ptrtest::BalloonShown, 8000)) << "the user is told why the history is empty";
    EXPECT_EQ(theirs, ptrtest::ReadFileBytes(HistoryFile() + ".damaged")) << "set aside, not overwritten";
    Copy(u"the program goes on");
    EXPECT_EQ(std::vector<std::u16string>{u"the program goes on"}, SavedTexts({u"the program goes on"}));
}

TEST_F(PrivateHistory, TheRetentionAndTheLockRemoveTheUnpinnedEntries) {
    const int64_t now = static_cast<int64_t>(std::time(nullptr)), day = 24 * 60 * 60;
    ASSERT_TRUE(ptrtest::WriteFileBytes(
        HistoryFile(), historytest::SealedHistoryFile({Text(u"pinned long ago", true, now - 40 * day),
                                                       Text(u"yesterday", false, now - day),
                                                       Text(u"long ago", false, now - 40 * day),
                                                       Text(u"last week", false, now - 6 * day)})));
    ASSERT_TRUE(ptrtest::WriteFileBytes(Folder() + "Setting.ini", "[Main]\r\nRetentionDays=30\r\nClearOnLock=1\r\n"));
    ASSERT_TRUE(program.Start());
    const std::vector<std::u16string> kept = {u"*pinned long ago", u"yesterday", u"last week"};
    EXPECT_EQ(kept, SavedTexts(kept)) << "what was copied over 30 days ago went at the start";

    // Windows tells the registered window of every change of the session; only a lock clears.
    const HWND watch = FindWindowA("tlxHistorySessionWatch", nullptr);
    ASSERT_NE(nullptr, watch);
    DWORD owner = 0, session = 0;
    GetWindowThreadProcessId(watch, &owner);
    EXPECT_EQ(GetProcessId(program.Process()), owner);
    ProcessIdToSessionId(owner, &session);
    PostMessageA(watch, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, session);
    Copy(u"today");
    const std::vector<std::u16string> added = {u"*pinned long ago", u"today", u"yesterday", u"last week"};
    EXPECT_EQ(added, SavedTexts(added));
    PostMessageA(watch, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, session);
    EXPECT_EQ(std::vector<std::u16string>{u"*pinned long ago"}, SavedTexts({u"*pinned long ago"}));
    for (const char16_t *text : {u"today", u"yesterday"}) EXPECT_EQ(std::vector<std::string>{}, WhereFound(Folder(), text));

    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    PasteRow(typing, '1');
    EXPECT_TRUE(typing.WaitForText(u"pinned long ago")) << "the pinned entry is still there to paste";
}
