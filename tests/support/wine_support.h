// Helpers for tests that run under Wine with real windows, processes and clipboard.
#pragma once
#include <windows.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ptrtest {

// A child mode: the test program started again as "--child=NAME args..." runs
// the registered function instead of the tests and exits with its result.
using ChildMain = int (*)(const std::vector<std::string> &args);
struct ChildRegistration {
    ChildRegistration(const char *name, ChildMain fn);
};
#define PTR_CHILD(name)                                                          \
    static int ptr_child_##name(const std::vector<std::string> &args);           \
    static ::ptrtest::ChildRegistration ptr_child_reg_##name(#name, ptr_child_##name); \
    static int ptr_child_##name(const std::vector<std::string> &args)

// Owns the child's process handle; the child is terminated if still running at the end.
struct ChildProcess {
    HANDLE process = nullptr;
    DWORD id = 0;
    ChildProcess() = default;
    ChildProcess(ChildProcess &&other) noexcept : process(other.process), id(other.id) { other.process = nullptr; }
    ChildProcess &operator=(ChildProcess &&other) noexcept;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;
    ~ChildProcess();
    // Waits up to timeoutMs pumping messages; returns the exit code, or -1 on time-out.
    int Wait(DWORD timeoutMs = 20000);
};
// Starts this test program again in child mode NAME with the given arguments.
ChildProcess StartChild(const std::string &name, const std::vector<std::string> &args = {});
// Starts any program; the command line is given whole. With a token, the program runs
// as that token's user (CreateProcessAsUser).
ChildProcess StartProcess(const std::string &commandLine, const std::string &workingDir = "",
                          HANDLE token = nullptr);

// Pumps this thread's messages until pred() holds or timeoutMs pass; returns pred().
bool PumpUntil(const std::function<bool()> &pred, DWORD timeoutMs = 5000);
// Whether a balloon is shown over an icon of the notification area (on this display).
bool BalloonShown();
// Pumps messages for the given time.
void PumpFor(DWORD ms);

// A fresh folder under the prefix's temp directory, removed with its contents at the end.
struct TempDir {
    std::string path;   // ends in a backslash; empty when no folder could be made
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
};

// The release folder of the build (ptrmain.exe, KXDLL.dll, Plugins\...), with a backslash.
std::string DistDir();
// The folder of this test program, with a backslash.
std::string TestBinDir();
// Copies a file, creating nothing else; returns success.
bool CopyFileTo(const std::string &from, const std::string &to);
// Whole file as bytes ("" when missing).
std::string ReadFileBytes(const std::string &path);
bool WriteFileBytes(const std::string &path, const std::string &bytes);

// Clipboard helpers (code page 932 text).
bool SetClipboardText(const std::string &text);
// UTF-16 text as a CF_UNICODETEXT block, with its terminator.
std::string Utf16Bytes(const std::u16string &text);
// Empties the clipboard and puts these blocks on it, each as given.
bool SetClipboardBlocks(const std::vector<std::pair<UINT, std::string>> &blocks);
// A block as stored (its whole GlobalSize); nothing when the format is absent.
std::optional<std::string> GetClipboardBlock(UINT format);
// Opens the clipboard to read it, through a window of the test's own; retried a while.
bool OpenClipboardToRead();
std::string GetClipboardText();

// The whole text of a Unicode window or control, of this process or another, asked as
// its thread is free to answer.
std::u16string UnicodeText(HWND window);

// HKCU\Control Panel\Desktop LogPixels while the object lives (the value Wine reads
// first, as a process starts); as it was before afterwards, also when a check fails.
class PrefixLogPixels {
public:
    explicit PrefixLogPixels(int dpi);
    ~PrefixLogPixels();
    PrefixLogPixels(const PrefixLogPixels &) = delete;
    PrefixLogPixels &operator=(const PrefixLogPixels &) = delete;

private:
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool had_ = false;
};

// Whether the shell holds an icon of that window and identifier (it accepts a change
// only for an icon it has).
bool ShellHasIcon(HWND window, UINT id);

}  // namespace ptrtest
