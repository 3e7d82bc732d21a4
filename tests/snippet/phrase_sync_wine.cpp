// Two PCs sharing their phrases through a synced folder: two program folders, each run as
// a computer of its own with 定型文の保存先 in its copy of the folder, a test copier
// standing for the sync client between the two copies, and a team's folder both read.
// Phrases added apart all arrive; a change arriving while the program runs is taken in,
// picker and function selection included; a phrase edited on both sides keeps both
// texts; a deletion travels; the copies a client makes of a file changed on both sides
// are read; the team's phrases are pasted and their folder left as it was. Then files
// held by someone else while the program starts, and a save that keeps failing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fault_support.h"
#include "frmSelectFunc_ids.h"
#include "phrase_file.h"
#include "picker_window.h"
#include "program_dialogs.h"
#include "recorded_history.h"
#include "resource.h"
#include "resource_ids.h"
#include "snippet_program.h"
#include "sync_copier.h"
#include "unicode_text.h"

using snippettest::EditBox;
using snippettest::ReadPhraseFolder;
using snippettest::SyncCopier;
using namespace tlxsnippet;

namespace {

const char kBrowser[] = "ポルテリカ - プラグイン設定";
const char kPickerHotkey = 'Z';

// Compared in UTF-16, in order: the narrow literals of a test are in the system's code page.
using Lines = std::vector<std::u16string>;

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// "folder/name=text" of every phrase, sorted.
Lines LinesOf(const PhraseBook &book) {
    Lines lines;
    for (const Phrase &phrase : book.Phrases()) lines.push_back(phrase.folder + u"/" + phrase.name + u"=" + phrase.text);
    return Sorted(lines);
}

PhraseBook OldBook() {
    PhraseBook book;
    book.Add(u"挨拶", u"朝", u"おはよう");
    book.Add(u"挨拶", u"夜", u"こんばんは");
    book.Add(u"署名", u"名前", u"山田");
    return book;
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Narrow(std::u16string_view text) { return e2e::FromWide(reinterpret_cast<const wchar_t *>(std::u16string(text).c_str())); }

// One PC: a program folder of its own with the book of before, its copy of the synced
// folder as 定型文の保存先 and the team's folder.
struct Pc {
    std::u16string computer;
    std::string sync;
    e2e::ProgramFolder program;

    Pc(std::u16string name, std::string folder, const std::string &team) : computer(std::move(name)), sync(std::move(folder)) {
        program.AddPlugin("tlxSnippet.tlx");
        program.AddPlugin("tlxHistory.tlx");
        const std::string plugin = program.Path() + "Plugins\\tlxSnippet\\";
        CreateDirectoryA(plugin.c_str(), nullptr);
        CreateDirectoryA(sync.c_str(), nullptr);
        ptrtest::WriteFileBytes(plugin + "Phrases.txt", WritePhraseFile(OldBook()));
        ptrtest::WriteFileBytes(plugin + "Setting.ini", "[Main]\r\nPhraseFolder=" + sync + "\r\nTeamFolder=" + team + "\r\n");
        program.WriteSettings(ptrtest::QuietMain(false) + "[HotKey]\r\n" +
                              snippettest::HotkeyEntry(1, 2, 1, kPickerHotkey, MOD_ALT | MOD_SHIFT) + "002Function=-1\r\n");
    }
    bool Start() {
        SetEnvironmentVariableW(L"PORTERICA_TEST_COMPUTER_NAME", e2e::ToWide(Narrow(computer)).c_str());
        return program.Start();
    }
    DWORD Process() const { return GetProcessId(program.Process()); }
    std::string OwnFile() const { return sync + "Phrases-" + Narrow(computer) + ".txt"; }
    PhraseBook Book() const { return ReadPhraseFolder(sync, computer); }
    void Execute(int funcno, int setno) const {
        program.Run("/Execute:1:tlxSnippet.tlx/" + std::to_string(funcno) + "/" + std::to_string(setno)).Wait(10000);
    }
    // The clipboard's text as a new phrase, waited for in this PC's file.
    void Register(const std::string &text) {
        ASSERT_TRUE(ptrtest::SetClipboardText(text));
        const size_t before = Book().Phrases().size();
        Execute(3, 1);
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return Book().Phrases().size() == before + 1; }, 8000)) << text;
    }
    // The setting list of 定型文を貼り付け in the plug-in page's function selection; with a
    // number, the editor its setting opens, handed to `use` and closed with OK.
    std::vector<std::string> Settings(int32_t number = 0, const std::function<void(HWND)> &use = {}) {
        e2e::SettingsWindow window;
        EXPECT_TRUE(window.Open(program, 4));
        int row = 0;
        while (row < window.Rows() && window.Row(row) != "定型文") ++row;
        window.Select(row);
        window.Press(0);
        const HWND browser = e2e::WaitForDialog(Process(), kBrowser, window.Handle());
        EXPECT_NE(nullptr, browser);
        EXPECT_TRUE(e2e::PickComboItem(browser, IDC_SELFUNC_CATEGORY, "プラグイン機能"));
        EXPECT_TRUE(e2e::PickComboItem(browser, IDC_SELFUNC_VALUE0 + 1, "定型文を貼り付け"));
        const std::vector<std::string> offered = e2e::ComboItems(browser, IDC_SELFUNC_VALUE0 + 2);
        if (number) {
            char prefix[16];
            snprintf(prefix, sizeof prefix, "%03d:", number);
            const auto entry = std::find_if(offered.begin(), offered.end(), [&](const std::string &e) { return e.rfind(prefix, 0) == 0; });
            EXPECT_NE(offered.end(), entry) << prefix;
            if (entry != offered.end() && e2e::PickComboItem(browser, IDC_SELFUNC_VALUE0 + 2, *entry)) {
                e2e::ClickButton(browser, IDC_SELFUNC_SETTING);
                const HWND editor = e2e::WaitForDialog(Process(), "設定", browser);
                EXPECT_NE(nullptr, editor);
                if (editor) {
                    use(editor);
                    e2e::PressButton(editor, IDOK);
                    EXPECT_TRUE(e2e::WaitClosed(editor));
                }
            }
        }
        e2e::PressButton(browser, IDCANCEL);
        e2e::WaitClosed(browser);
        e2e::ClickButton(window.Handle(), IDC_CLOSE);
        e2e::WaitClosed(window.Handle());
        return offered;
    }
};

std::string Entry(int32_t number, const std::u16string &name) {
    char prefix[16];
    snprintf(prefix, sizeof prefix, "%03d:", number);
    return prefix + Narrow(name);
}

struct TwoPcs : testing::Test {
    ptrtest::TempDir folders;
    std::string team = folders.path + "チーム\\";
    Pc a{u"PC-A", folders.path + "A-OneDrive\\", team};
    Pc b{u"PC-B", folders.path + "B-OneDrive\\", team};
    SyncCopier copier{a.sync, b.sync, "PC-B"};
    std::string teamFile = team + "Phrases-LEAD.txt";
    std::string teamBytes;

    void SetUp() override {
        CreateDirectoryA(team.c_str(), nullptr);
        PhraseBook book;
        book.Add(u"案内", u"住所", u"東京都千代田区");
        const PhraseFile read = ReadPhrases(WritePhraseFile(book), u"LEAD");
        teamBytes = WritePhrases(read.state, u"LEAD", 1);
        ASSERT_TRUE(ptrtest::WriteFileBytes(teamFile, teamBytes));
    }
};

TEST_F(TwoPcs, PhrasesMadeApartMeetChangesArriveWhileRunningAndNothingIsLost) {
    const int32_t addedOnA = snippettest::AddedNumber(u"PC-A", 1), addedOnB = snippettest::AddedNumber(u"PC-B", 1);
    const int32_t teamAddress = kTeamNumberBase + 1;

    // Apart: each takes over the same book of before and adds a phrase of its own.
    ASSERT_TRUE(a.Start());
    a.Register("A の追加");
    a.program.Stop();
    ASSERT_TRUE(b.Start());
    b.Register("B の追加");
    b.program.Stop();
    copier.Sync();
    const Lines met = Sorted({u"挨拶/夜=こんばんは", u"挨拶/朝=おはよう", u"署名/名前=山田", u"未分類/A の追加=A の追加",
                       u"未分類/B の追加=B の追加"});
    EXPECT_EQ(met, LinesOf(a.Book()));
    EXPECT_EQ(met, LinesOf(b.Book()));
    EXPECT_NE(nullptr, a.Book().Find(addedOnA)) << "numbered in A's block";
    EXPECT_NE(nullptr, a.Book().Find(addedOnB)) << "numbered in B's block";

    // A: every phrase and the team's offered; 朝 edited; the team's phrase pasted; one more added.
    ASSERT_TRUE(a.Start());
    const std::vector<std::string> offered = a.Settings(1, [](HWND editor) {
        EXPECT_EQ("朝", e2e::TextOf(GetDlgItem(editor, IDC_PHRASE_NAME)));
        e2e::TypeInto(editor, IDC_PHRASE_TEXT, "morning from A");
    });
    std::vector<std::string> expected = {Entry(addedOnA, u"未分類/A の追加"), Entry(addedOnB, u"未分類/B の追加")};
    if (addedOnB < addedOnA) std::swap(expected[0], expected[1]);
    expected.insert(expected.begin(), {"001:挨拶/朝", "002:挨拶/夜", "003:署名/名前"});
    expected.push_back(Entry(teamAddress, u"チーム/案内/住所"));
    EXPECT_EQ(expected, offered)
        << "every phrase can be chosen, whatever its number";
    {
        EditBox box;
        a.Execute(1, teamAddress);
        EXPECT_TRUE(box.WaitForText(u"東京都千代田区")) << "the team's phrase pasted like any other";
    }
    a.Register("A の二つ目");
    a.program.Stop();

    // B, apart from A: 夜 deleted, and 朝 edited too.
    ASSERT_TRUE(b.Start());
    b.Settings(2, [&](HWND editor) {
        e2e::ClickButton(editor, IDC_DELETE_ENTRY);
        const HWND question = e2e::WaitForDialog(b.Process(), "設定", editor);
        ASSERT_NE(nullptr, question);
        e2e::PressButton(question, IDYES);
        ASSERT_TRUE(e2e::WaitClosed(question));
        EXPECT_EQ("朝", e2e::TextOf(GetDlgItem(editor, IDC_PHRASE_NAME))) << "the phrase above is selected";
        e2e::TypeInto(editor, IDC_PHRASE_TEXT, "morning from B");
    });
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return !b.Book().Find(2); }, 8000)) << "B has saved";

    // On A's side a user mends B's file by hand meanwhile: changed on both sides, the
    // client keeps a copy of it.
    std::string mended = ptrtest::ReadFileBytes(a.sync + "Phrases-PC-B.txt");
    const std::string text = utf::Utf8FromUtf16(u"B の追加\r\n\r\n");
    const size_t at = mended.find(text);
    ASSERT_NE(std::string::npos, at);
    mended.replace(at, text.size(), utf::Utf8FromUtf16(u"B の追加 (直した)\r\n\r\n"));
    ASSERT_TRUE(ptrtest::WriteFileBytes(a.sync + "Phrases-PC-B.txt", mended));
    EditBox box;
    e2e::PressChord({VK_MENU, VK_SHIFT, kPickerHotkey});
    const HWND picker = e2e::WaitForWindow(b.Process(), "tlxSnippetPicker", "定型文", 8000);
    ASSERT_NE(nullptr, picker);
    const auto rows = [&] {
        DWORD_PTR count = 0;
        SendMessageTimeoutW(GetDlgItem(picker, tlx::kPickerList), LB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count);
        return count;
    };
    const DWORD_PTR before = rows();
    copier.Sync();
    EXPECT_EQ(1, copier.Conflicts());
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return rows() == before + 3; }, 5000))
        << "taken in while the picker is open: A's new phrase, A's text of 朝 and the mended text, " << rows() - before;
    for (const char key : std::string("FROM A")) e2e::PressChord({static_cast<WORD>(key == ' ' ? VK_SPACE : key)});
    ptrtest::PumpFor(300);
    e2e::PressChord({VK_RETURN});
    EXPECT_TRUE(box.WaitForText(u"morning from A")) << "A's text, kept beside B's, pasted";
    const std::vector<std::string> offeredOnB = b.Settings();
    EXPECT_NE(offeredOnB.end(), std::find(offeredOnB.begin(), offeredOnB.end(), Entry(snippettest::AddedNumber(u"PC-A", 2), u"未分類/A の二つ目")))
        << "the function selection offers what arrived";
    b.program.Stop();

    copier.Sync();
    const Lines merged = Sorted({u"挨拶/朝=morning from B", u"挨拶/朝（競合）=morning from A", u"署名/名前=山田",
                          u"未分類/A の二つ目=A の二つ目", u"未分類/A の追加=A の追加", u"未分類/B の追加=B の追加",
                          u"未分類/B の追加（競合）=B の追加 (直した)"});
    EXPECT_EQ(merged, LinesOf(a.Book())) << "夜 deleted on B is gone on A too";
    EXPECT_EQ(merged, LinesOf(b.Book()));
    EXPECT_EQ(teamBytes, ptrtest::ReadFileBytes(teamFile)) << "the team's folder is never written";
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((team + "*").c_str(), &found);
    int files = 0;
    do files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(1, files) << "nothing added to the team's folder";
}

// A file the program cannot open: held with no sharing (another program's, a sync
// client's), or open for reading only, so that it cannot be replaced.
class Held {
public:
    Held(const std::string &path, DWORD sharing)
        : file_(CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~Held() { Release(); }
    bool Holds() const { return file_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holds()) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE file_;
};

TEST_F(TwoPcs, FilesHeldAtStartAreReadOnceFreeAndASaveThatFailsIsSaid) {
    a.program.WriteSettings(ptrtest::QuietMain(true) + ptrtest::WatchSection({{.function = "tlxHistory.tlx/1/1", .formats = ""}}));
    ASSERT_TRUE(a.Start());
    ASSERT_TRUE(ptrtest::SetClipboardText("古い履歴"));
    ASSERT_EQ((std::vector<std::u16string>{u"古い履歴"}), historytest::RecordedTexts(a.program, {u"古い履歴"}));
    a.program.Stop();
    const Lines old = LinesOf(a.Book());
    ASSERT_EQ(3u, old.size());

    // Both files held while the program starts: it starts, works, and saves over neither.
    const std::string history = a.program.Path() + "Plugins\\tlxHistory\\History.dat";
    Held phrases(a.OwnFile(), 0), recorded(history, 0);
    ASSERT_TRUE(phrases.Holds() && recorded.Holds());
    ASSERT_TRUE(a.Start());
    EXPECT_TRUE(ptrtest::PumpUntil(ptrtest::BalloonShown, 8000)) << "the user is told";
    ASSERT_TRUE(ptrtest::SetClipboardText("新しい履歴"));
    a.Execute(3, 1);   // the copy as a phrase too
    ptrtest::PumpFor(1500);
    phrases.Release();
    recorded.Release();
    EXPECT_EQ((std::vector<std::u16string>{u"新しい履歴", u"古い履歴"}),
              historytest::RecordedTexts(a.program, {u"新しい履歴", u"古い履歴"}))
        << "the history read once free, then saved with what came meanwhile";
    Lines expected = old;
    expected.push_back(u"未分類/新しい履歴=新しい履歴");
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return LinesOf(a.Book()) == Sorted(expected); }, 8000))
        << "the phrases too: nothing lost, the old kept";
    EXPECT_FALSE(Exists(history + ".damaged"));
    EXPECT_FALSE(Exists(a.OwnFile() + ".damaged")) << "a held file is not taken for a damaged one";

    // A file that can be read but not replaced: a balloon after a few seconds, a message at exit.
    Held readOnly(a.OwnFile(), FILE_SHARE_READ);
    ASSERT_TRUE(ptrtest::SetClipboardText("書けない"));
    a.Execute(3, 1);
    ptrtest::PumpUntil([] { return !ptrtest::BalloonShown(); }, 15000);   // the notices of start-up have gone
    EXPECT_TRUE(ptrtest::PumpUntil(ptrtest::BalloonShown, 12000)) << "the failing save is said";
    e2e::MessageBoxAnswerer atExit("定型文を保存できません");
    a.program.Stop();
    EXPECT_NE(std::string::npos, atExit.Text().find(a.OwnFile())) << "the message at exit names the file";
    readOnly.Release();
}

}  // namespace
