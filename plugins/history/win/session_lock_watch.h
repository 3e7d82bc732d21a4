// Hears when the user's session is locked: Windows sends WM_WTSSESSION_CHANGE with
// WTS_SESSION_LOCK to a window registered for it. The window is a hidden one of the
// calling thread, there only while watching; nothing runs in between.
#pragma once
#include <windows.h>

#include <functional>

namespace tlxhistory {

class SessionLockWatch {
public:
    SessionLockWatch() = default;
    SessionLockWatch(const SessionLockWatch &) = delete;
    SessionLockWatch &operator=(const SessionLockWatch &) = delete;
    ~SessionLockWatch() { Stop(); }

    // Calls onLock on this thread whenever the session is locked, until Stop.
    void Start(std::function<void()> onLock);
    // To be called before the module is unloaded.
    void Stop();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    static void CALLBACK OnServiceReady(void *window, BOOLEAN);
    void Register();

    HWND window_ = nullptr;
    bool registered_ = false;
    HANDLE serviceReady_ = nullptr;   // the session service's event, while waiting for it
    HANDLE readyWait_ = nullptr;
    std::function<void()> onLock_;
};

}  // namespace tlxhistory
