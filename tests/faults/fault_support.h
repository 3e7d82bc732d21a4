// The running program as its neighbours see it, for the fault tests.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "clipboard_writer.h"
#include "program_folder.h"
#include "stamp_board.h"
#include "tlx_records.h"
#include "wine_support.h"

namespace faults {

// A manual-reset event with a name of its own, for talking to child processes.
class NamedEvent {
public:
    NamedEvent();
    ~NamedEvent();
    NamedEvent(const NamedEvent &) = delete;
    NamedEvent &operator=(const NamedEvent &) = delete;
    const std::string &Name() const { return name_; }
    HANDLE Handle() const { return handle_; }
    void Set() const { SetEvent(handle_); }
    // Waits, answering messages.
    bool Wait(DWORD ms) const;

private:
    std::string name_;
    HANDLE handle_;
};

// Tests that start ptrmain from a folder of their own, with the probe plug-in reporting
// through a board no other test shares.
class ProgramTest : public testing::Test {
protected:
    ProgramTest();
    ~ProgramTest() override;

    // Starts the program and waits until it answers; reports failures at the caller.
    void StartProgram();
    // Waits until the board holds more than `before` stamps; the count then.
    LONG WaitForStamps(LONG before, DWORD ms = 10000);
    LONG Stamps() const { return board.Board().stamps; }

    std::string boardName;
    ptrbench::BoardView board;
    ptrbench::ProgramFolder folder;
    ptrbench::ClipboardWriter writer;
};

// The probe plug-in beside the benchmarks.
std::string ProbePlugin();
inline constexpr const char *kStamp = "benchprobe.tlx/1/1";

// Global atoms whose names begin with the prefix.
std::vector<ATOM> AtomsNamed(const std::string &prefix);
// The hotkey id the program derives from one of its hotkey atoms.
int HotkeyIdOf(ATOM atom);
using ptrtest::ShellHasIcon;
// The shell forgets the icon, as an ending shell does.
void ShellForgetsIcon(HWND window, UINT id);

}  // namespace faults
