// Clipboard blocks the history tests copy, the window they copy from and the program
// they paste into.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "text_plugin_host.h"
#include "wine_support.h"

namespace historytest {

// A 4×3 bottom-up 24-bit picture as a CF_DIB block.
std::string SmallDib();

// A formatted copy as a browser or an office program makes it: its text with the same
// text as "HTML Format" and "Rich Text Format" (each block ended by a NUL).
struct Formatted {
    std::string html;   // without the terminator, as the history keeps it
    std::string rtf;
    std::vector<std::pair<UINT, std::string>> blocks;
};
Formatted FormattedCopy(const std::u16string &text);

// The test's copies come from a window of its own, as a program's copies do.
class CopyingWindow {
public:
    CopyingWindow();
    ~CopyingWindow();
    CopyingWindow(const CopyingWindow &) = delete;
    CopyingWindow &operator=(const CopyingWindow &) = delete;
    bool Copy(const std::vector<texttest::Block> &blocks) const;
    bool Copy(const std::u16string &text) const;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// Programs of the test's naming that copy: the test program copied under each name,
// started in its copy_as_owner mode.
class NamedCopiers {
public:
    explicit NamedCopiers(const std::vector<std::string> &names);
    // The program copies `text` from a window of its own and stays a while as the copy's
    // owner; waited for until its copy is on the clipboard.
    ptrtest::ChildProcess Copy(const std::string &name, const std::string &text) const;

private:
    ptrtest::TempDir dir_;
};

// Another program with a text box, in front, as the program a user pastes into: the
// test program started again in a child mode.
class TypingProgram {
public:
    TypingProgram();
    // Its box is there and in front.
    bool Ready() const { return box_ != nullptr; }
    DWORD Process() const { return child_.id; }
    void BringToFront() const;
    std::u16string Text() const;
    // Waits until the box holds `expected` (a paste arrives a moment after its keys).
    bool WaitForText(const std::u16string &expected, DWORD ms = 5000) const;

private:
    ptrtest::ChildProcess child_;
    HWND window_ = nullptr;
    HWND box_ = nullptr;
};

}  // namespace historytest
