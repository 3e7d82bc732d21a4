// A program folder of its own for one run of ptrmain: the program, KXDLL.dll and
// CF_Type.ini from the release folder, Plugins\ and MenuData\, and the Setting.ini the
// run needs. The program is started, observed and stopped from outside, as a user's
// other programs see it.
#pragma once
#include <windows.h>

#include <string>

namespace ptrbench {

class ProgramFolder {
public:
    // distDir: the release folder, ending in a backslash.
    explicit ProgramFolder(const std::string &distDir);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    const std::string &Path() const { return path_; }
    const std::string &DistDir() const { return dist_; }

    // Copies a plug-in into Plugins\ under the given file name.
    bool AddPlugin(const std::string &source, const std::string &name) const;
    // A plug-in of the release folder (its Plugins\ folder) under its own name.
    bool AddReleasePlugin(const std::string &name) const;
    void WriteSettings(const std::string &text) const;
    void WriteMenu(const std::string &name, const std::string &text) const;
    void RemoveSettings() const;

    // Starts ptrmain.exe with no arguments. False when no process was made.
    bool Start();
    HANDLE Process() const { return process_; }
    DWORD ProcessId() const { return processId_; }
    bool Running() const;
    // Starts a second ptrmain.exe with these arguments; the caller closes the handle.
    HANDLE Run(const std::string &arguments) const;

    // KXDLL's hidden window of the running program, or null while there is none.
    HWND HostWindow() const;
    bool WaitForHostWindow(DWORD ms) const;
    // Waits until the program answers a message sent to its hidden window: it is past
    // start-up and in its message loop. False on time-out.
    bool WaitUntilAnswering(DWORD ms) const;

    // KXDLL's CallFunction of this folder's copy, called from this process, as a second
    // start does. False when the library or the export is missing.
    bool CallFunction(int32_t type, const std::string &option);

    // Asks the program to end (its function 0/7), waits, and ends it by force when it
    // does not. True when it ended by itself.
    bool Stop(DWORD ms = 15000);

private:
    std::string dist_;
    std::string path_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HMODULE kxdll_ = nullptr;
};

// The release folder measured, ending in a backslash: the one given to
// UseReleaseFolder, else the one this program was built with.
std::string BuiltDistDir();
void UseReleaseFolder(const std::string &dir);
// A folder path with backslashes, ending in one.
std::string AsFolder(std::string dir);
// A new empty folder under the temporary folder, ending in a backslash.
std::string NewTempFolder(const std::string &prefix);
// Writes the bytes as the whole file; true when all of them were written.
bool WriteFileBytes(const std::string &path, const std::string &bytes);
// The whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::string &path);
// Removes a folder with everything in it.
void RemoveTree(const std::string &dir);

}  // namespace ptrbench
