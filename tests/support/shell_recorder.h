// What the shell hands to the browser and the mail program, recorded instead of opened.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace ptrtest {

// Points Wine's browser and mail commands at a shell script that records its
// argument; the former commands come back at the end.
class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder &) = delete;
    ShellRecorder &operator=(const ShellRecorder &) = delete;

    bool Ready() const { return ready_; }
    // Lines "browser ADDRESS" or "mailer ADDRESS" (UTF-8), in the order they came.
    std::vector<std::string> Opened() const;
    // Waits, pumping messages, until at least count addresses were opened.
    std::vector<std::string> WaitForOpened(size_t count, DWORD timeoutMs = 15000) const;

private:
    std::string unixDir_;
    std::string windowsDir_;
    bool ready_ = false;
    std::vector<std::pair<std::wstring, std::wstring>> saved_;  // value name, former value ("" = none)
    std::vector<std::wstring> absent_;
};

}  // namespace ptrtest
