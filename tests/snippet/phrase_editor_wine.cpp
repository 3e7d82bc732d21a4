// The phrase editor driven as a user would: the tree, the name and text fields, the
// buttons, the questions before deleting, the file dialogs, Enter and Esc; and the book
// and options it hands back after OK, or leaves alone after cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "phrase_csv.h"
#include "phrase_editor.h"
#include "phrase_file.h"
#include "phrase_state.h"
#include "screen_capture.h"
#include "resource.h"
#include "unicode_text.h"

using dlgtest::Driver;
using namespace tlxsnippet;

namespace {

const std::u16string kSushi = u"\U0001F363";   // beyond the system's code page, and beyond U+FFFF

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

PhraseBook Sample() {
    PhraseBook book;
    book.Add(u"挨拶", u"お世話になっております。", u"お世話になっております。");
    book.Add(u"挨拶", u"お疲れさまです。", u"お疲れさまです。");
    book.Add(u"日付", u"和暦", u"{和暦}");
    return book;
}

SnippetOptions Pasting(bool restore, bool keepOut) {
    SnippetOptions options;
    options.restoreClipboard = restore;
    options.keepOutOfHistory = keepOut;
    return options;
}

// Replaces a field's whole text, as pasting over a selection does.
void Replace(HWND edit, const std::u16string &text) {
    DWORD_PTR ignored;
    SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 10000,
                        &ignored);
}

// Typed characters, each UTF-16 unit as the keyboard or an input method hands it over.
void Type(const Driver &d, HWND window, const std::u16string &text) {
    for (char16_t unit : text) PostMessageW(window, WM_CHAR, unit, 1);
    d.Sync();
}

// Lines compared in UTF-16: the narrow literals of a test are in the system's code page.
using Lines = std::vector<std::u16string>;

// The tree as lines: each folder, and under it each phrase indented by two blanks.
Lines TreeLines(HWND dialog) {
    const HWND tree = GetDlgItem(dialog, IDC_PHRASE_TREE);
    Lines lines;
    const std::function<void(HTREEITEM, const std::u16string &)> walk = [&](HTREEITEM item, const std::u16string &indent) {
        for (; item; item = TreeView_GetNextSibling(tree, item)) {
            wchar_t label[512] = {};
            TVITEMW data{};
            data.mask = TVIF_TEXT;
            data.hItem = item;
            data.pszText = label;
            data.cchTextMax = 512;
            SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
            lines.push_back(indent + reinterpret_cast<const char16_t *>(label));
            walk(TreeView_GetChild(tree, item), indent + u"  ");
        }
    };
    walk(TreeView_GetRoot(tree), u"");
    return lines;
}

// The tree's entry of that label (a folder's or a phrase's), selected as a click selects it.
void Pick(HWND dialog, const std::u16string &label) {
    const std::string wanted = Utf8(label);
    const HWND tree = GetDlgItem(dialog, IDC_PHRASE_TREE);
    for (HTREEITEM folder = TreeView_GetRoot(tree); folder; folder = TreeView_GetNextSibling(tree, folder)) {
        for (HTREEITEM item = folder; item; item = item == folder ? TreeView_GetChild(tree, folder)
                                                                   : TreeView_GetNextSibling(tree, item)) {
            wchar_t text[512] = {};
            TVITEMW data{TVIF_TEXT, item};
            data.pszText = text;
            data.cchTextMax = 512;
            SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
            if (Utf8(reinterpret_cast<const char16_t *>(text)) != wanted) continue;
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            return;
        }
    }
    ADD_FAILURE() << "no entry " << wanted;
}

// The focus moved as Tab moves it; a key pressed next goes to that control.
void FocusOn(const Driver &d, HWND dialog, HWND control) {
    PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    d.Sync();
}

// The question or notice a click opened, answered with the button `answer`; its text.
std::string Answer(const Driver &d, HWND dialog, int answer) {
    const HWND box = d.WaitForDialog("設定", dialog);
    if (!box) return "(no message)";
    const std::string text = Driver::MessageText(box);
    d.Click(box, answer);
    d.WaitClosed(box);
    d.Sync();
    return text;
}

// A folder and its phrases, for comparing books.
Lines BookLines(const PhraseBook &book) {
    Lines lines;
    for (const std::u16string &folder : book.Folders()) {
        lines.push_back(folder);
        for (const Phrase &phrase : book.Phrases())
            if (phrase.folder == folder) {
                const std::string number = std::to_string(phrase.number);
                lines.push_back(u"  " + std::u16string(number.begin(), number.end()) + u" " + phrase.name + u" = " +
                                phrase.text);
            }
    }
    return lines;
}

const char kOwnerClass[] = "PhraseEditorTestOwner";

class PhraseEditorDialog : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kOwnerClass;
        RegisterClassA(&wc);
        owner = CreateWindowExA(0, kOwnerClass, "ポルテリカ", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 400, 300,
                                nullptr, nullptr, wc.hInstance, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(owner); }

    // Opens the editor on book and options and runs the script on it; whether it ended with OK.
    bool Edit(PhraseBook &book, SnippetOptions &options, int32_t select,
              const std::function<void(Driver &, HWND)> &script, const EditorExtras &extras = {}) {
        bool accepted = false;
        dlgtest::RunModal(
            [&] { accepted = ShowPhraseEditor(GetModuleHandleA(nullptr), owner, book, options, select, extras); },
            [&](Driver &d) {
                const HWND dialog = d.WaitForDialog("設定", owner);
                ASSERT_NE(nullptr, dialog);
                d.Sync();
                script(d, dialog);
                EXPECT_TRUE(d.WaitClosed(dialog)) << "the script ends with the dialog closed";
            });
        return accepted;
    }

    static HWND owner;
};
HWND PhraseEditorDialog::owner = nullptr;

TEST_F(PhraseEditorDialog, APhraseAddedNamedAndWrittenComesBackAfterOk) {
    PhraseBook book = Sample();
    SnippetOptions options;
    const bool accepted = Edit(book, options, 2, [](Driver &d, HWND w) {
        const HWND name = GetDlgItem(w, IDC_PHRASE_NAME), text = GetDlgItem(w, IDC_PHRASE_TEXT);
        EXPECT_EQ(Utf8(u"お疲れさまです。"), Utf8(ptrtest::UnicodeText(name))) << "the phrase asked for is selected";
        EXPECT_EQ(GetDlgItem(w, IDC_PHRASE_TREE), d.Focus());
        d.Click(w, IDC_ADD_PHRASE);
        d.Sync();
        EXPECT_EQ(name, d.Focus()) << "a new phrase is named first";
        EXPECT_EQ(Utf8(u"新しい定型文"), Utf8(ptrtest::UnicodeText(name)));
        Type(d, name, u"寿司" + kSushi);   // replaces the selected name
        EXPECT_EQ((Lines{u"挨拶", u"  お世話になっております。", u"  お疲れさまです。", u"  寿司" + kSushi, u"日付",
                         u"  和暦"}),
                  TreeLines(w))
            << "the label follows the name as it is typed";
        d.Key(w, VK_TAB);
        d.Sync();
        EXPECT_EQ(text, d.Focus());
        Type(d, text, u"①本日は");
        d.Key(w, VK_RETURN);   // a line break in the text, not OK
        d.Sync();
        Type(d, text, kSushi + u"です");
        EXPECT_TRUE(IsWindowVisible(w));
        d.Click(w, IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ((Lines{u"挨拶", u"  1 お世話になっております。 = お世話になっております。",
                     u"  2 お疲れさまです。 = お疲れさまです。",
                     u"  4 寿司" + kSushi + u" = ①本日は\r\n" + kSushi + u"です", u"日付",
                     u"  3 和暦 = {和暦}"}),
              BookLines(book));
}

TEST_F(PhraseEditorDialog, FoldersAreAddedRenamedMovedAndDeletedAfterAQuestion) {
    PhraseBook book = Sample();
    SnippetOptions options;
    const bool accepted = Edit(book, options, 1, [](Driver &d, HWND w) {
        const HWND tree = GetDlgItem(w, IDC_PHRASE_TREE);
        d.Click(w, IDC_ADD_FOLDER);
        d.Sync();
        // The new folder's name is edited in place; Enter ends that edit, not the dialog.
        const HWND label = reinterpret_cast<HWND>(SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0));
        ASSERT_NE(nullptr, label);
        EXPECT_EQ(Utf8(u"新しいフォルダ"), Utf8(ptrtest::UnicodeText(label)));
        Replace(label, u"署名");
        d.Key(w, VK_RETURN);
        d.Sync();
        EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ(nullptr, reinterpret_cast<HWND>(SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0)));
        d.Click(w, IDC_ADD_PHRASE);
        d.Sync();
        Replace(GetDlgItem(w, IDC_PHRASE_NAME), u"氏名");
        // A folder's name that another folder has is refused, and the name stays.
        Pick(w, u"署名");
        FocusOn(d, w, tree);
        d.Key(w, VK_F2);
        d.Sync();
        Replace(reinterpret_cast<HWND>(SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0)), u"挨拶");
        d.Key(w, VK_RETURN);
        EXPECT_EQ("「挨拶」という名前のフォルダは既にあります。", Answer(d, w, IDOK));
        EXPECT_EQ((Lines{u"挨拶", u"  お世話になっております。", u"  お疲れさまです。", u"日付", u"  和暦", u"署名",
                         u"  氏名"}),
                  TreeLines(w));
        // A folder among folders, a phrase within its folder; no further than the end.
        d.Click(w, IDC_MOVE_UP);
        d.Click(w, IDC_MOVE_UP);
        d.Sync();
        EXPECT_FALSE(Driver::Enabled(w, IDC_MOVE_UP));
        EXPECT_TRUE(Driver::Enabled(w, IDC_MOVE_DOWN));
        Pick(w, u"お世話になっております。");
        EXPECT_FALSE(Driver::Enabled(w, IDC_MOVE_UP));
        d.Click(w, IDC_MOVE_DOWN);
        d.Sync();
        EXPECT_FALSE(Driver::Enabled(w, IDC_MOVE_DOWN)) << "the last of its folder";
        EXPECT_EQ((Lines{u"署名", u"  氏名", u"挨拶", u"  お疲れさまです。", u"  お世話になっております。", u"日付",
                         u"  和暦"}),
                  TreeLines(w));
        // Deleting asks first; No keeps the phrase.
        Pick(w, u"お疲れさまです。");
        d.Click(w, IDC_DELETE_ENTRY);
        EXPECT_EQ("「お疲れさまです。」を削除しますか？", Answer(d, w, IDNO));
        EXPECT_EQ(7u, TreeLines(w).size());
        d.Click(w, IDC_DELETE_ENTRY);
        EXPECT_EQ("「お疲れさまです。」を削除しますか？", Answer(d, w, IDYES));
        EXPECT_EQ(Utf8(u"お世話になっております。"), Utf8(ptrtest::UnicodeText(GetDlgItem(w, IDC_PHRASE_NAME))))
            << "the next phrase is selected";
        // The Delete key in the tree asks for a folder with what it holds.
        Pick(w, u"日付");
        FocusOn(d, w, tree);
        d.Key(w, VK_DELETE);
        EXPECT_EQ("フォルダ「日付」と、その中の定型文 1 件を削除しますか？", Answer(d, w, IDYES));
        d.Click(w, IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ((Lines{u"署名", u"  4 氏名 = ", u"挨拶", u"  1 お世話になっております。 = お世話になっております。"}),
              BookLines(book));
    EXPECT_EQ(5, book.NextNumber()) << "the numbers of deleted phrases are not given again";
}

TEST_F(PhraseEditorDialog, CancelAndEscLeaveTheBookAndOptionsAsTheyWere) {
    const PhraseBook original = Sample();
    const struct {
        const char *how;
        std::function<void(Driver &, HWND)> close;
    } cases[] = {
        {"Esc in the text", [](Driver &d, HWND w) {
             Pick(w, u"和暦");
             FocusOn(d, w, GetDlgItem(w, IDC_PHRASE_TEXT));
             d.Key(w, VK_ESCAPE);
         }},
        {"the cancel button", [](Driver &d, HWND w) { d.Click(w, IDCANCEL); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        PhraseBook book = original;
        SnippetOptions options;
        const bool accepted = Edit(book, options, 0, [&](Driver &d, HWND w) {
            d.Click(w, IDC_ADD_PHRASE);
            d.Sync();
            Replace(GetDlgItem(w, IDC_PHRASE_TEXT), u"消える");
            Pick(w, u"和暦");
            Replace(GetDlgItem(w, IDC_PHRASE_TEXT), u"変わる");
            d.Click(w, IDC_RESTORE_CLIPBOARD);
            d.Click(w, IDC_KEEP_OUT_OF_HISTORY);
            d.Sync();
            c.close(d, w);
        });
        EXPECT_FALSE(accepted);
        EXPECT_EQ(WritePhraseFile(original), WritePhraseFile(book));
        EXPECT_TRUE(options.restoreClipboard);
        EXPECT_TRUE(options.keepOutOfHistory);
    }
}

TEST_F(PhraseEditorDialog, TheCheckBoxesGiveTheOptionsAndEnterIsOk) {
    const struct {
        SnippetOptions before;
        std::vector<int> clicks;
        SnippetOptions after;
    } cases[] = {
        {Pasting(true, true), {IDC_RESTORE_CLIPBOARD, IDC_KEEP_OUT_OF_HISTORY}, Pasting(false, false)},
        {Pasting(true, true), {IDC_KEEP_OUT_OF_HISTORY}, Pasting(true, false)},
        {Pasting(false, true), {IDC_RESTORE_CLIPBOARD}, Pasting(true, true)},
        {Pasting(false, false), {}, Pasting(false, false)},
    };
    for (const auto &c : cases) {
        PhraseBook book = Sample();
        SnippetOptions options = c.before;
        const bool accepted = Edit(book, options, 0, [&](Driver &d, HWND w) {
            EXPECT_EQ(c.before.restoreClipboard, IsDlgButtonChecked(w, IDC_RESTORE_CLIPBOARD) == BST_CHECKED);
            EXPECT_EQ(c.before.keepOutOfHistory, IsDlgButtonChecked(w, IDC_KEEP_OUT_OF_HISTORY) == BST_CHECKED);
            for (const int id : c.clicks) d.Click(w, id);
            d.Sync();
            d.Key(w, VK_RETURN);   // in the tree
        });
        EXPECT_TRUE(accepted);
        EXPECT_EQ(c.after.restoreClipboard, options.restoreClipboard);
        EXPECT_EQ(c.after.keepOutOfHistory, options.keepOutOfHistory);
    }
}

TEST_F(PhraseEditorDialog, ANewBookShowsTheUnsortedFolder) {
    PhraseBook book;
    SnippetOptions options;
    const bool accepted = Edit(book, options, 0, [](Driver &d, HWND w) {
        EXPECT_EQ((Lines{u"未分類"}), TreeLines(w));
        EXPECT_FALSE(Driver::Enabled(w, IDC_PHRASE_NAME)) << "a folder has no text";
        EXPECT_FALSE(Driver::Enabled(w, IDC_PHRASE_TEXT));
        d.Click(w, IDC_ADD_PHRASE);
        d.Click(w, IDC_ADD_PHRASE);
        d.Sync();
        d.Key(w, VK_RETURN);   // in the name field
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ((Lines{u"未分類", u"  1 新しい定型文 = ", u"  2 新しい定型文 (2) = "}), BookLines(book));
}

TEST_F(PhraseEditorDialog, APhraseWithoutANameKeepsTheDialogOpen) {
    PhraseBook book = Sample();
    SnippetOptions options;
    const bool accepted = Edit(book, options, 3, [](Driver &d, HWND w) {
        const HWND name = GetDlgItem(w, IDC_PHRASE_NAME);
        Replace(name, u"");
        Pick(w, u"お世話になっております。");
        d.Click(w, IDOK);
        EXPECT_EQ("名前のない定型文があります。名前を入力してください。", Answer(d, w, IDOK));
        EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ(name, d.Focus());
        EXPECT_EQ(Utf8(u"{和暦}"), Utf8(ptrtest::UnicodeText(GetDlgItem(w, IDC_PHRASE_TEXT)))) << "the nameless phrase is shown";
        Type(d, name, u"令和");
        d.Click(w, IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Utf8(u"令和"), Utf8(book.Find(3)->name));
}

TEST_F(PhraseEditorDialog, ImportAddsWithoutOverwritingAndExportWritesTheWholeBook) {
    ptrtest::TempDir folder;
    const std::string imported = folder.path + "import.txt", exported = folder.path + "export.txt",
                      notText = folder.path + "binary.txt";
    ASSERT_TRUE(ptrtest::WriteFileBytes(imported, Utf8(u"@フォルダ 挨拶\r\n@定型文 お疲れさまです。\r\n別の文\r\n\r\n"
                                                       u"@フォルダ 新しい\r\n@定型文 住所\r\n東京都" + kSushi + u"\r\n")));
    ASSERT_TRUE(ptrtest::WriteFileBytes(notText, "\xFF\xFE\x00"));
    const std::string sheet = folder.path + "sheet.csv", exportedSheet = folder.path + "export.csv";
    // Shift_JIS, as Excel saves "CSV" on a Japanese system.
    ASSERT_TRUE(ptrtest::WriteFileBytes(sheet, "フォルダ,名前,本文\r\n表,一覧,\"二行の\n本文\"\r\n"));
    PhraseBook book = Sample();
    SnippetOptions options;
    const bool accepted = Edit(book, options, 0, [&](Driver &d, HWND w) {
        d.Click(w, IDC_IMPORT_PHRASES);
        EXPECT_TRUE(d.AnswerFileDialog(w, "定型文の読み込み", imported));
        EXPECT_EQ("定型文を 2 件追加しました。\r\nそのうち 1 件は、同じ名前の定型文が既にあったため、名前に番号を付けて追加しました。",
                  Answer(d, w, IDOK));
        EXPECT_EQ((Lines{u"挨拶", u"  お世話になっております。", u"  お疲れさまです。", u"  お疲れさまです。 (2)",
                         u"日付", u"  和暦", u"新しい", u"  住所"}),
                  TreeLines(w));
        d.Click(w, IDC_IMPORT_PHRASES);
        EXPECT_TRUE(d.AnswerFileDialog(w, "定型文の読み込み", notText));
        EXPECT_EQ("このファイルは UTF-8 のテキストではないため、読み込めませんでした。", Answer(d, w, IDOK));
        d.Click(w, IDC_IMPORT_PHRASES);
        EXPECT_TRUE(d.AnswerFileDialog(w, "定型文の読み込み", sheet));
        EXPECT_EQ("定型文を 1 件追加しました。", Answer(d, w, IDOK)) << "a spreadsheet's CSV, as Excel saves it";
        d.Click(w, IDC_EXPORT_PHRASES);
        EXPECT_TRUE(d.AnswerFileDialog(w, "定型文の書き出し", exported));
        d.Sync();
        d.Click(w, IDC_EXPORT_PHRASES);
        EXPECT_TRUE(d.AnswerFileDialog(w, "定型文の書き出し", exportedSheet));
        d.Sync();
        d.Click(w, IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Utf8(u"東京都" + kSushi), Utf8(book.Find(5)->text));
    EXPECT_EQ(Utf8(u"二行の\r\n本文"), Utf8(book.Find(6)->text));
    EXPECT_EQ(WritePhraseFile(book), ptrtest::ReadFileBytes(exported)) << "the whole book as handed back";
    EXPECT_EQ(WriteCsv(book), ptrtest::ReadFileBytes(exportedSheet)) << "as CSV by its name";
}

TEST_F(PhraseEditorDialog, TabWalksTheControlsInReadingOrder) {
    PhraseBook book = Sample();
    book.Add(u"挨拶", u"よろしくお願いします。", u"よろしくお願いします。");
    SnippetOptions options;
    Edit(book, options, 2, [](Driver &d, HWND w) {
        const int order[] = {IDC_PHRASE_NAME,    IDC_PHRASE_TEXT,    IDC_ADD_PHRASE,        IDC_ADD_FOLDER,
                             IDC_DELETE_ENTRY,   IDC_MOVE_UP,        IDC_MOVE_DOWN,         IDC_RESTORE_CLIPBOARD,
                             IDC_KEEP_OUT_OF_HISTORY, IDC_IMPORT_PHRASES, IDC_EXPORT_PHRASES, IDC_RESTORE_BACKUP,
                             IDC_PLACES,         IDOK,               IDCANCEL,              IDC_PHRASE_TREE};
        for (const int id : order) {
            d.Key(w, VK_TAB);
            d.Sync();
            EXPECT_EQ(GetDlgItem(w, id), d.Focus()) << id;
        }
        d.Click(w, IDCANCEL);
    });
}

TEST_F(PhraseEditorDialog, EnlargedItGivesTheRoomToTheTextAndNeverShrinksBelowItsTemplate) {
    PhraseBook book = Sample();
    SnippetOptions options;
    Edit(book, options, 1, [](Driver &d, HWND w) {
        d.Screenshot(w, "phrase_editor_96");
        const auto rect = [&](int id) {
            RECT r;
            GetWindowRect(GetDlgItem(w, id), &r);
            MapWindowPoints(HWND_DESKTOP, w, reinterpret_cast<POINT *>(&r), 2);
            return r;
        };
        RECT window, client;
        GetWindowRect(w, &window);
        GetClientRect(w, &client);
        const RECT text = rect(IDC_PHRASE_TEXT), tree = rect(IDC_PHRASE_TREE), ok = rect(IDOK), help = rect(IDC_PLACEHOLDER_HELP);
        SetWindowPos(w, nullptr, 0, 0, window.right - window.left + 120, window.bottom - window.top + 80,
                     SWP_NOMOVE | SWP_NOZORDER);
        d.Sync();
        EXPECT_EQ(text.right - text.left + 120, rect(IDC_PHRASE_TEXT).right - rect(IDC_PHRASE_TEXT).left);
        EXPECT_EQ(text.bottom - text.top + 80, rect(IDC_PHRASE_TEXT).bottom - rect(IDC_PHRASE_TEXT).top);
        EXPECT_EQ(tree.right - tree.left, rect(IDC_PHRASE_TREE).right - rect(IDC_PHRASE_TREE).left) << "the tree keeps its width";
        EXPECT_EQ(tree.bottom - tree.top + 80, rect(IDC_PHRASE_TREE).bottom - rect(IDC_PHRASE_TREE).top);
        EXPECT_EQ(ok.left + 120, rect(IDOK).left) << "OK keeps to the corner";
        EXPECT_EQ(ok.top + 80, rect(IDOK).top);
        EXPECT_EQ(help.bottom - help.top, rect(IDC_PLACEHOLDER_HELP).bottom - rect(IDC_PLACEHOLDER_HELP).top);
        d.Screenshot(w, "phrase_editor_96_enlarged");
        SetWindowPos(w, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
        d.Sync();
        RECT small;
        GetClientRect(w, &small);
        EXPECT_EQ(client.right, small.right) << "no smaller than the template";
        EXPECT_EQ(client.bottom, small.bottom);
        EXPECT_EQ(ok.left, rect(IDOK).left);
        d.Click(w, IDCANCEL);
    });
}

TEST_F(PhraseEditorDialog, TheTeamsPhrasesAreShownReadOnlyAndCopiedToOnesOwn) {
    PhraseBook book = Sample();
    EditorExtras extras;
    extras.team.AddFolder(u"チーム/案内");
    extras.team.Restore({kTeamNumberBase + 7, u"チーム/案内", u"住所", u"東京都千代田区", 0});
    SnippetOptions options;
    const bool accepted = Edit(book, options, kTeamNumberBase + 7, [](Driver &d, HWND w) {
        EXPECT_EQ((Lines{u"挨拶", u"  お世話になっております。", u"  お疲れさまです。", u"日付", u"  和暦", u"チーム/案内", u"  住所"}),
                  TreeLines(w));
        const HWND text = GetDlgItem(w, IDC_PHRASE_TEXT);
        EXPECT_EQ(Utf8(u"東京都千代田区"), Utf8(ptrtest::UnicodeText(text))) << "the team's phrase selected";
        EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, IDC_DELETE_ENTRY)));
        Type(d, text, u"x");
        d.Click(w, IDC_COPY_TO_OWN);
        d.Sync();
        EXPECT_EQ((Lines{u"挨拶", u"  お世話になっております。", u"  お疲れさまです。", u"日付", u"  和暦", u"案内", u"  住所",
                         u"チーム/案内", u"  住所"}),
                  TreeLines(w));
        EXPECT_FALSE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY) << "the copy selected, one's own";
        EXPECT_TRUE(wintest::ScreenShot(w, false).Save("phrase_editor_team"));
        Type(d, text, u"!");
        Pick(w, u"和暦");
        d.Click(w, IDOK);
    }, extras);
    EXPECT_TRUE(accepted);
    EXPECT_EQ((Lines{u"挨拶", u"  1 お世話になっております。 = お世話になっております。", u"  2 お疲れさまです。 = お疲れさまです。",
                     u"日付", u"  3 和暦 = {和暦}", u"案内", u"  4 住所 = !東京都千代田区"}),
              BookLines(book))
        << "the copy one's own, the team's phrase untouched";
}

TEST_F(PhraseEditorDialog, ABackupShowsWhatItHoldsBeforeItIsPutBack) {
    PhraseBook book = Sample();
    book.Remove(2);
    book.Find(1)->text = u"変えた";
    book.Add(u"日付", u"新しい", u"その後に足した");
    const PhraseBackup older{"older", u"PC-A", u"20260105-093000"}, newer{"newer", u"PC-B", u"20260106-120000"};
    EditorExtras extras;
    extras.backups = [&] { return std::vector<PhraseBackup>{newer, older}; };
    extras.readBackup = [&](const PhraseBackup &backup) { return backup.path == "older" ? std::optional(Sample()) : std::nullopt; };
    SnippetOptions options;
    const bool accepted = Edit(book, options, 0, [](Driver &d, HWND w) {
        d.Click(w, IDC_RESTORE_BACKUP);
        const HWND restore = d.WaitForDialog("バックアップから戻す", w);
        ASSERT_NE(nullptr, restore);
        d.Sync();
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(restore, IDOK))) << "the newest cannot be read";
        SendDlgItemMessageW(restore, IDC_BACKUP_LIST, LB_SETCURSEL, 1, 0);
        SendMessageW(restore, WM_COMMAND, MAKEWPARAM(IDC_BACKUP_LIST, LBN_SELCHANGE), 0);
        d.Sync();
        EXPECT_EQ(3, SendDlgItemMessageW(restore, IDC_BACKUP_PHRASES, LB_GETCOUNT, 0, 0));
        EXPECT_EQ(Utf8(u"このバックアップの定型文は 3 件です。戻すと、その後に削除された 1 件が戻り、その後に変更された 1 件が元の内容に戻ります。"
                       u"ほかの定型文はそのまま残ります。"),
                  Utf8(ptrtest::UnicodeText(GetDlgItem(restore, IDC_BACKUP_SUMMARY))));
        RedrawWindow(restore, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        d.Sync();
        EXPECT_TRUE(wintest::ScreenShot(restore, false).Save("phrase_restore"));
        d.Click(restore, IDOK);
        d.WaitClosed(restore);
        d.Click(w, IDOK);
    }, extras);
    EXPECT_TRUE(accepted);
    EXPECT_EQ((Lines{u"挨拶", u"  1 お世話になっております。 = お世話になっております。", u"  2 お疲れさまです。 = お疲れさまです。",
                     u"日付", u"  3 和暦 = {和暦}", u"  4 新しい = その後に足した"}),
              BookLines(book))
        << "put back without wiping what came since";
}

TEST_F(PhraseEditorDialog, ThePlacesAreChosenInADialogOfTheirOwn) {
    PhraseBook book = Sample();
    SnippetOptions options;
    options.teamFolder = "\\\\server\\共有\\チーム";
    const bool accepted = Edit(book, options, 0, [](Driver &d, HWND w) {
        d.Click(w, IDC_PLACES);
        const HWND places = d.WaitForDialog("定型文の保存先", w);
        ASSERT_NE(nullptr, places);
        d.Sync();
        EXPECT_EQ("\\\\server\\共有\\チーム", Driver::Text(GetDlgItem(places, IDC_TEAM_FOLDER)));
        SetDlgItemTextA(places, IDC_PHRASE_FOLDER, "  C:\\Users\\山田\\OneDrive\\定型文  ");
        CheckDlgButton(places, IDC_SHARE_COUNTS, BST_CHECKED);
        EXPECT_TRUE(wintest::ScreenShot(places, false).Save("phrase_places"));
        d.Click(places, IDOK);
        d.WaitClosed(places);
        d.Click(w, IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ("C:\\Users\\山田\\OneDrive\\定型文", options.phraseFolder) << "blanks at its ends are no part of a path";
    EXPECT_EQ("\\\\server\\共有\\チーム", options.teamFolder);
    EXPECT_TRUE(options.shareCounts);
}

}  // namespace
