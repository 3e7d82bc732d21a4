// The phrases plug-in in the real program, driven from outside: a program folder with the
// plug-in and a book of phrases, and an edit box of another process to paste into.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "phrase_book.h"

namespace snippettest {

// A window with an edit box in a test program of its own, in front, as the program a user
// types in.
class EditBox {
public:
    EditBox();
    ~EditBox();
    void BringToFront() const;
    std::u16string Text() const;
    // Where the caret is, in UTF-16 units from the start.
    size_t Caret() const;
    // The caret's bottom left corner on the screen.
    POINT CaretOnScreen() const;
    // Waits until the box holds `expected` (a paste is real input and arrives a moment later).
    bool WaitForText(const std::u16string &expected, DWORD ms = 5000) const;

private:
    ptrtest::ChildProcess process_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

// The computer the tests' programs run as (PORTERICA_TEST_COMPUTER_NAME).
inline constexpr char16_t kTestComputer[] = u"PC-TEST";
// The number the plug-in gives the n-th phrase it adds as that computer.
int32_t AddedNumber(const std::u16string &computer, int n);

// The phrases of every PC's file in a folder, merged, as the plug-in shows them to the computer.
tlxsnippet::PhraseBook ReadPhraseFolder(const std::string &folder, const std::u16string &computer = kTestComputer);

struct SnippetProgram : testing::Test {
    e2e::ProgramFolder program;

    SnippetProgram();
    // The plug-in, these phrases as the one book of before (taken over at start) and these
    // settings (a quiet [Main] comes first).
    void Prepare(const tlxsnippet::PhraseBook &book, const std::string &settings = "");
    std::string PluginFolder() const { return program.Path() + "Plugins\\tlxSnippet\\"; }
    std::string PhrasesFile() const { return PluginFolder() + "Phrases.txt"; }
    // The phrases as the plug-in saved them; empty when it saved none.
    tlxsnippet::PhraseBook Saved() const;
    // Waits until the saved book holds `count` phrases; the book then.
    tlxsnippet::PhraseBook SavedWith(size_t count) const;
    // Runs function `funcno` with setting `setno` through "/Execute:".
    void Execute(int funcno, int setno) const;
    // The plug-in's dialog or notice of this caption, once it shows.
    HWND WaitForDialog(const std::string &caption, DWORD ms = 8000) const;
};

// The two ways a user runs a phrase: its hotkey Alt+Shift+key and "/Execute:" of its setting.
struct Way {
    const char *how;
    std::function<void()> run;
};
std::vector<Way> HotkeyAndExecute(const SnippetProgram &test, WORD key, int setno);

// A [HotKey] entry (numbered from 1) that runs the plug-in's function with a setting.
std::string HotkeyEntry(int entry, int funcno, int setno, int key, int modifiers);

}  // namespace snippettest
