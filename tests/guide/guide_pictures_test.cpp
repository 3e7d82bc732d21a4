// Takes the user guide's pictures from the running program, one test per picture in the
// order of the list, all from one program started as a user first gets it. Then the
// recipes that the pictures built are tried as the guide promises they work: copies made
// by programs of the names the recipes list, and their hotkeys.
#include <gtest/gtest.h>

#include <cstring>

#include "guide_folder.h"
#include "guide_pictures.h"
#include "shell_recorder.h"

namespace {

guide::Session *g_session = nullptr;

class GuideProgram : public testing::Environment {
    void SetUp() override {
        // A picture dropped from the list leaves nothing behind in the release.
        for (const std::string &name : guide::PicturesInFolder())
            DeleteFileA((guide::PictureFolder() + name + ".png").c_str());
        g_session = new guide::Session;
    }
    void TearDown() override {
        delete g_session;
        g_session = nullptr;
    }
};
testing::Environment *const kProgram = testing::AddGlobalTestEnvironment(new GuideProgram);

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class Shot : public testing::TestWithParam<guide::Picture> {};

TEST_P(Shot, OfTheWindow) {
    ASSERT_EQ(ScreenDpi(), 96) << "the guide shows the windows at 96 dpi";
    ASSERT_TRUE(g_session->Started());
    g_session->Name(GetParam().name);
    EXPECT_TRUE(GetParam().take(*g_session));
    g_session->CloseDialogs();
}

INSTANTIATE_TEST_SUITE_P(Guide, Shot, testing::ValuesIn(guide::Pictures()),
                         [](const testing::TestParamInfo<guide::Picture> &info) { return std::string(info.param.name); });

// This test program copied under a program's file name, to copy as that program does.
class NamedProgram {
public:
    explicit NamedProgram(const std::string &file) : path_(dir_.path + file) {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        CopyFileA(self, path_.c_str(), FALSE);
    }
    // Puts text on the clipboard from a window of this program, which stays open a while.
    void Copy(const std::string &text) {
        ptrtest::WriteFileBytes(dir_.path + "copy.txt", text);
        const DWORD before = GetClipboardSequenceNumber();
        copier_ = ptrtest::StartProcess("\"" + path_ + "\" --child=copy_file \"" + dir_.path + "copy.txt\"");
        ptrtest::PumpUntil([&] { return GetClipboardSequenceNumber() != before; }, 10000);
    }

private:
    ptrtest::TempDir dir_;
    std::string path_;
    ptrtest::ChildProcess copier_;
};

PTR_CHILD(copy_file) {
    const HWND window = CreateWindowExA(0, "Static", "copier", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                        nullptr, nullptr);
    const std::string text = ptrtest::ReadFileBytes(args.at(0));
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(932, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size())));
    if (!OpenClipboard(window)) return 1;
    EmptyClipboard();
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, wide.size() * sizeof(wchar_t));
    memcpy(GlobalLock(block), wide.c_str(), wide.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    ptrtest::PumpFor(5000);   // the owner of the copy, while the program looks at it
    return 0;
}

// The clipboard's text once it reads `expected`, or as it is after the wait.
std::string ClipboardBecomes(const std::string &expected, DWORD ms = 5000) {
    ptrtest::PumpUntil([&] { return ptrtest::GetClipboardText() == expected; }, ms);
    return ptrtest::GetClipboardText();
}

// The text a copy from `program` leaves on the clipboard once the watch is done with it.
std::string AfterCopyFrom(const char *program, const std::string &text, const std::string &expected) {
    NamedProgram copier(program);
    copier.Copy(text);
    return ClipboardBecomes(expected);
}

// The text the clipboard holds after a hotkey pressed over it.
std::string AfterHotkey(const std::string &text, WORD key, const std::string &expected) {
    e2e::FrontWindow front;
    ptrtest::SetClipboardText(text);
    ptrtest::PumpFor(800);
    e2e::PressChord({VK_MENU, VK_CONTROL, key});
    return ClipboardBecomes(expected);
}

struct Trial {
    const char *name;
    void (*run)();
};

class Recipe : public testing::TestWithParam<Trial> {};

TEST_P(Recipe, WorksAsTheGuideSays) {
    ASSERT_TRUE(g_session->Started());
    g_session->CloseSettings();   // the program watches and answers hotkeys only then
    GetParam().run();
}

const Trial kTrials[] = {
    {"ChatAddressOpensInTheBrowser", [] {
         ptrtest::ShellRecorder recorder;
         ASSERT_TRUE(recorder.Ready());
         NamedProgram notepad("notepad.exe"), slack("slack.exe");
         notepad.Copy("https://www.porterica-soft.jp/memo");
         slack.Copy("https://www.porterica-soft.jp/chat");
         EXPECT_EQ(recorder.WaitForOpened(1), std::vector<std::string>{"browser https://www.porterica-soft.jp/chat"})
             << "only the chat program's address";
     }},
    {"WordsLettersAndDigitsBecomeHalfWidth", [] {
         EXPECT_EQ(AfterCopyFrom("WINWORD.EXE", "ＡＢＣ－１２３ 様", "ABC-123 様"), "ABC-123 様");
         EXPECT_EQ(AfterCopyFrom("excel.exe", "ＡＢＣ－１２３", "ABC-123"), "ＡＢＣ－１２３") << "only Word's";
     }},
    {"HotkeyQuotesEachLine", [] {
         EXPECT_EQ(AfterHotkey("了解です。\r\n明日送ります。", 'Q', "> 了解です。\r\n> 明日送ります。"),
                   "> 了解です。\r\n> 明日送ります。");
     }},
    {"PdfLinesAreJoined", [] {
         EXPECT_EQ(AfterCopyFrom("AcroRd32.exe", "途中で折り返された\r\n日本語の文章です。", "途中で折り返された日本語の文章です。"),
                   "途中で折り返された日本語の文章です。");
         EXPECT_EQ(AfterCopyFrom("SumatraPDF.exe", "A wrapped\r\nline.", "A wrapped line."), "A wrapped line.");
     }},
    {"HotkeySearchesTheWeb", [] {
         ptrtest::ShellRecorder recorder;
         ASSERT_TRUE(recorder.Ready());
         AfterHotkey("ポルテリカ", 'S', "ポルテリカ");
         EXPECT_EQ(recorder.WaitForOpened(1),
                   std::vector<std::string>{
                       "browser https://www.google.com/search?q=%E3%83%9D%E3%83%AB%E3%83%86%E3%83%AA%E3%82%AB"});
     }},
    {"ExcelIsLeftAloneWhereBrowsersAreTrimmed", [] {
         EXPECT_EQ(AfterCopyFrom("chrome.exe", "  売上  \r\n\r\n", "売上"), "売上");
         EXPECT_EQ(AfterCopyFrom("EXCEL.EXE", "売上\t1200\r\n", "売上\t1200"), "売上\t1200\r\n");
     }},
};

INSTANTIATE_TEST_SUITE_P(Guide, Recipe, testing::ValuesIn(kTrials),
                         [](const testing::TestParamInfo<Trial> &info) { return std::string(info.param.name); });

}  // namespace
