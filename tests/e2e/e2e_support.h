// Driving the real program from outside, as a user would: a prepared program folder,
// message boxes, popup menus and keyboard input.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "program_settings.h"
#include "wine_support.h"

namespace e2e {

// A program folder in a temporary directory: ptrmain.exe, KXDLL.dll and CF_Type.ini
// from the release folder, Plugins\ and MenuData\.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    const std::string &Path() const { return dir_.path; }

    // A plug-in of the release folder, as Plugins\<file>.
    void AddPlugin(const std::string &file);
    // The test plug-in as Plugins\<name>.tlx, shown as displayName.
    void AddProbe(const std::string &name, const std::string &displayName);
    void SetVerdict(const std::string &probe, int funcno, int verdict);
    // The plug-in's calls so far, one "Func f s CallType wnd" line each.
    std::vector<std::string> Calls(const std::string &probe) const;
    void ClearCalls(const std::string &probe);
    // Waits until the plug-in has made at least `count` calls.
    bool WaitForCalls(const std::string &probe, size_t count, DWORD ms = 5000) const;
    // The plug-in's calls once it has made `count` and settleMs more have passed (one event's
    // calls come in a burst).
    std::vector<std::string> SettledCalls(const std::string &probe, size_t count, DWORD settleMs) const;

    // The end of a copy's handling, seen from outside: a test plug-in of its own whose watch
    // action, last in the list and on every format, records the text of each copy once
    // every other action has run on it. What a copy has not done by then, it does not do.
    void AddHandledMark();
    static ptrtest::WatchAction HandledMark();
    // The texts of the copies handled so far, as their handling left them.
    std::vector<std::string> Handled() const;
    // Waits until a copy that holds `text` once handled has reached the mark.
    bool WaitForHandled(const std::string &text, DWORD ms = 10000) const;

    void WriteSettings(const std::string &iniText);
    void WriteMenu(const std::string &fileName, const std::string &iniText);
    std::string ReadSettings() const;

    // Starts ptrmain.exe and waits until it waits for input. False when it did not start.
    // With a token, the program runs as that token's user (see LimitedToken).
    bool Start(HANDLE token = nullptr);
    // Runs a second ptrmain.exe with these arguments (it hands them on and ends).
    ptrtest::ChildProcess Run(const std::string &arguments) const;
    // Asks the running program to end (function 0/7) and waits for it.
    void Stop();
    HANDLE Process() const { return process_ ? process_->process : nullptr; }

private:
    ptrtest::TempDir dir_;
    // Held by pointer: a ChildProcess ends its process when it goes, so it is never copied.
    std::unique_ptr<ptrtest::ChildProcess> process_;
};

// The test's own user as a program not running as administrator has it (the token
// linked to the test's elevated one, as Wine runs programs elevated); null where the
// test runs as no administrator.
class LimitedToken {
public:
    LimitedToken();
    ~LimitedToken();
    LimitedToken(const LimitedToken &) = delete;
    LimitedToken &operator=(const LimitedToken &) = delete;
    HANDLE Handle() const { return token_; }

private:
    HANDLE token_ = nullptr;
};

// The program's settings window, driven from outside through its controls.
class SettingsWindow {
public:
    // Opens the window at a page (0..5) through a second start and waits until it shows.
    bool Open(const ProgramFolder &program, int page);
    // The window once the user has opened it some other way (from the tray icon).
    bool WaitShown(const ProgramFolder &program, DWORD ms = 5000);
    // Another page, through its mode button.
    void ShowPage(int page) const;
    HWND Handle() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    // List button k (0..4): Click returns once its work is done; Press returns at once,
    // for a button that opens a dialog or a question.
    void Click(int button) const;
    void Press(int button) const;
    std::string Caption(int button) const;
    bool Enabled(int button) const;
    void Save() const;

    int Rows() const;
    std::string Row(int row) const;
    bool Marked(int row) const;
    int Selected() const;
    // As a click on the row: selects it and describes it.
    void Select(int row) const;
    void DoubleClick() const;   // on the selected row; returns at once
    // A click on the row's check box.
    void ToggleMark(int row) const;
    std::string Information() const;

private:
    HWND window_ = nullptr;
};

// The visible top-level window of the class and title in the process, waiting up to ms;
// owned by owner, when one is given.
HWND WaitForWindow(DWORD process, const char *cls, const std::string &title, DWORD ms = 5000, HWND owner = nullptr);
std::string TextOf(HWND window);
// Code page 932 text, as the tests write it, from and to the UTF-16 of other processes' controls.
std::string FromWide(const wchar_t *text);
std::wstring ToWide(const std::string &text);

// A visible window of the test in front of everything, as the program a user works in.
class FrontWindow {
public:
    FrontWindow();
    ~FrontWindow();
    HWND Handle() const { return window_; }
    // The handle as the test plug-in writes it.
    std::string Hex() const;
    void BringToFront() const;

private:
    HWND window_;
};

// A visible message box of the program with this title, waiting up to ms.
HWND WaitForMessageBox(const std::string &title, DWORD ms = 5000);
// The texts of the message box's static controls, joined by newlines.
std::string MessageBoxText(HWND box);
// Presses the button with this id.
void PressButton(HWND box, int id = IDOK);
// Answers the program's next message box with this title; its text, "" when none came.
std::string Answer(const std::string &title, int button);
// Waits for the message that tells the user to press Ctrl+V where Windows would drop the
// program's keys (a window of a program running as administrator), checks its words and
// closes it; false when it did not come.
bool ExpectNoticeOfKeysNotReaching(const std::string &caption);

// A value of Setting.ini as the program saved it, "(missing)" when there is none.
std::string Saved(const ProgramFolder &program, const char *section, const std::string &key);
// The values of the keys "001" + name ... in order, up to the entry whose Function is -1,
// each entry's values joined by blanks.
std::vector<std::string> SavedEntries(const ProgramFolder &program, const char *section,
                                      std::initializer_list<const char *> names);

// Answers the next message box with this title from another thread, for code that
// shows one on the test's own thread; Text() waits for it and gives its text.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(const std::string &title, int button = IDOK, DWORD ms = 10000);
    ~MessageBoxAnswerer();
    std::string Text();   // "" when none came

private:
    std::thread thread_;
    std::string text_;
};

// The popup menu window on screen, if any.
HWND VisiblePopupMenu();
bool WaitForPopupMenu(DWORD ms = 5000);
bool WaitForNoPopupMenu(DWORD ms = 5000);

// The process of the foreground window, 0 when there is none.
DWORD ForegroundProcess();

// Presses the keys in order, then releases them in reverse order.
void PressChord(std::initializer_list<WORD> keys);
// Presses and releases each key in turn on the open popup menu: the key messages go to
// the popup window itself. (Input injected into the system queue occasionally lost a key
// right after the popup opened under Wine.)
void TypeIntoPopup(std::initializer_list<WORD> keys);

// Puts text on the X clipboard with xclip, from the Linux side; Wine's clipboard bridge
// hands it on to the Windows clipboard.
bool CopyTextFromLinux(const std::string &text);

}  // namespace e2e
