#include <gtest/gtest.h>

#include "fault_support.h"

#include <shellapi.h>

#include "pump.h"
#include "stamp_wait.h"

namespace faults {

namespace {

std::string UniqueName(const char *what) {
    static unsigned counter = 0;
    return std::string("PortericaFaults_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++counter);
}

// Set before anything opens the board: the program inherits the name when it starts.
std::string UseFreshBoard() {
    const std::string name = UniqueName("Board");
    SetEnvironmentVariableA(ptrbench::kBoardVariable, name.c_str());
    return name;
}

}  // namespace

NamedEvent::NamedEvent() : name_(UniqueName("Event")), handle_(CreateEventA(nullptr, TRUE, FALSE, name_.c_str())) {}

NamedEvent::~NamedEvent() { CloseHandle(handle_); }

bool NamedEvent::Wait(DWORD ms) const { return ptrbench::WaitPumping(handle_, ms); }

ProgramTest::ProgramTest()
    : boardName(UseFreshBoard()), board(boardName), folder(ptrbench::BuiltDistDir()) {
    folder.AddPlugin(ProbePlugin(), "benchprobe.tlx");
}

ProgramTest::~ProgramTest() {
    EXPECT_TRUE(folder.Stop()) << "the program did not end when asked";
}

void ProgramTest::StartProgram() {
    ASSERT_TRUE(folder.Start());
    ASSERT_TRUE(folder.WaitUntilAnswering(60000)) << "ptrmain did not reach its message loop";
}

LONG ProgramTest::WaitForStamps(LONG before, DWORD ms) {
    ptrbench::WaitForStamp(board, before, ms);
    return Stamps();
}

std::string ProbePlugin() {
    std::string path = "Z:" PTR_BINARY_DIR "/bench-bin/benchprobe.tlx";
    for (char &c : path)
        if (c == '/') c = '\\';
    return path;
}

std::vector<ATOM> AtomsNamed(const std::string &prefix) {
    std::vector<ATOM> atoms;
    char name[256];
    for (unsigned atom = 0xC000; atom <= 0xFFFF; ++atom) {
        const UINT n = GlobalGetAtomNameA(static_cast<ATOM>(atom), name, sizeof name);
        if (n >= prefix.size() && std::string(name, prefix.size()) == prefix) atoms.push_back(static_cast<ATOM>(atom));
    }
    return atoms;
}

int HotkeyIdOf(ATOM atom) { return static_cast<int16_t>(atom) + 16385; }

void ShellForgetsIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = id;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

}  // namespace faults
