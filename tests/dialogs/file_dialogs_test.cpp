// The open and save dialogs answered as a user would: a path typed into the system's
// dialog and its OK pressed, or its Cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include "dialog_driver.h"
#include "vbDialog.h"

using dlgtest::Driver;

namespace {

const std::string kExeFilter = ptr::FileFilter({{"実行可能ファイル(*.exe)", "*.exe"}, {"全てのファイル(*.*)", "*.*"}});
const std::string kLinkFilter = ptr::FileFilter({{"ショートカット(*.lnk)", "*.lnk"}, {"全てのファイル(*.*)", "*.*"}});

class FileDialogs : public testing::Test {
protected:
    static void SetUpTestSuite() { program = new dlgtest::DialogProgram({}); }
    static void TearDownTestSuite() { delete program; }
    static dlgtest::DialogProgram *program;

    // The open dialog's answer when the user types `typed` (Cancel when empty).
    static std::string Open(const std::string &typed, uint32_t flags = 0) {
        std::string chosen = "unchanged";
        dlgtest::RunModal(
            [&] {
                chosen = ptr::vbDialog().ShowOpenFileDlg(program->Owner(), "ファイルを開く", kExeFilter,
                                                         program->Folder(), flags);
            },
            [&](Driver &d) { EXPECT_TRUE(d.AnswerFileDialog(program->Owner(), "ファイルを開く", typed)); });
        return chosen;
    }
};
dlgtest::DialogProgram *FileDialogs::program = nullptr;

TEST(FileFilterText, PairsEachEndInOneNul) {
    const std::string nul(1, '\0');
    EXPECT_EQ("実行可能ファイル(*.exe)" + nul + "*.exe" + nul + "全てのファイル(*.*)" + nul + "*.*" + nul, kExeFilter);
}

TEST_F(FileDialogs, OpenGivesTheChosenPathOrNothing) {
    ASSERT_TRUE(program->Ready());
    const std::string file = program->Folder() + "メモ帳.exe";
    ASSERT_TRUE(ptrtest::WriteFileBytes(file, "MZ"));
    // A path the 256-character buffer cannot take (258 characters) fails like a cancel.
    const std::string deep = program->Folder() + std::string(150, 'd') + "\\";
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    const std::string tooLong = deep + std::string(258 - 4 - deep.size(), 'f') + ".exe";
    ASSERT_TRUE(ptrtest::WriteFileBytes(tooLong, "MZ"));
    struct Case {
        std::string typed, expected;
    } cases[] = {{file, file}, {"", ""}, {tooLong, ""}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(c.expected, Open(c.typed));
    }
    DeleteFileA(tooLong.c_str());
    RemoveDirectoryA(deep.c_str());
}

TEST_F(FileDialogs, OpenWithoutDereferencingGivesTheLinkItself) {
    ASSERT_TRUE(program->Ready());
    const std::string link = program->Folder() + "サイト.url";
    ASSERT_TRUE(ptrtest::WriteFileBytes(link, "[InternetShortcut]\r\nURL=http://example.com/\r\n"));
    EXPECT_EQ(link, Open(link, OFN_NODEREFERENCELINKS));
}

TEST_F(FileDialogs, SaveGivesTheNameAsTypedAndTheChosenFilter) {
    ASSERT_TRUE(program->Ready());
    struct Case {
        int returnTypeIn;
        int pickFilter;   // -1: leave the filter the dialog shows first
        std::string typed, expected;
        int returnTypeOut;
    } cases[] = {
        {0, -1, program->Folder() + "起動", program->Folder() + "起動", 0},
        {1, -1, program->Folder() + "起動.lnk", program->Folder() + "起動.lnk", 1},
        {1, 0, program->Folder() + "b.lnk", program->Folder() + "b.lnk", 0},
        {1, -1, "", "", 1},   // cancelled: ReturnType unchanged
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        int32_t returnType = c.returnTypeIn;
        int shownFilter = -2;
        std::string chosen = "unchanged";
        dlgtest::RunModal(
            [&] {
                chosen = ptr::vbDialog().ShowSaveFileDlg(program->Owner(), "ショートカットの保存先指定", kLinkFilter,
                                                         program->Folder(), "", returnType);
            },
            [&](Driver &d) {
                const HWND w = d.WaitForDialog("ショートカットの保存先指定", program->Owner());
                ASSERT_NE(nullptr, w);
                shownFilter = Driver::Selected(w, 0x470 /* cmb1, the file types */);
                if (c.pickFilter >= 0) d.Select(w, 0x470, c.pickFilter);
                EXPECT_TRUE(d.AnswerFileDialog(program->Owner(), "ショートカットの保存先指定", c.typed));
            });
        EXPECT_EQ(c.returnTypeIn, shownFilter);
        EXPECT_EQ(c.expected, chosen);
        EXPECT_EQ(c.returnTypeOut, returnType);
    }
}

}  // namespace
