#include "session_lock_watch.h"

#include <wtsapi32.h>

#include "module_folder.h"

namespace tlxhistory {

namespace {
constexpr wchar_t kClassName[] = L"tlxHistorySessionWatch";
constexpr UINT kRegisterAgain = WM_APP + 1;
}  // namespace

void SessionLockWatch::Start(std::function<void()> onLock) {
    onLock_ = std::move(onLock);
    if (window_) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &SessionLockWatch::WindowProc;
    windowClass.hInstance = tlx::OwnModule();
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);   // fails harmlessly when already registered
    // A top-level window, never shown: the notices are sent to such windows.
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, tlx::OwnModule(), this);
    if (window_) Register();
}

void SessionLockWatch::Register() {
    registered_ = WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
    if (registered_ || GetLastError() != RPC_S_INVALID_BINDING || readyWait_) return;
    // Started with the session, before the session service: registered once it says it is ready.
    serviceReady_ = OpenEventW(SYNCHRONIZE, FALSE, L"Global\\TermSrvReadyEvent");
    if (serviceReady_ && !RegisterWaitForSingleObject(&readyWait_, serviceReady_, &SessionLockWatch::OnServiceReady,
                                                      window_, INFINITE, WT_EXECUTEONLYONCE))
        readyWait_ = nullptr;
}

void CALLBACK SessionLockWatch::OnServiceReady(void *window, BOOLEAN) {
    PostMessageW(static_cast<HWND>(window), kRegisterAgain, 0, 0);
}

void SessionLockWatch::Stop() {
    if (readyWait_) UnregisterWaitEx(readyWait_, INVALID_HANDLE_VALUE);
    if (serviceReady_) CloseHandle(serviceReady_);
    readyWait_ = serviceReady_ = nullptr;
    if (!window_) return;
    if (registered_) WTSUnRegisterSessionNotification(window_);
    registered_ = false;
    DestroyWindow(window_);
    window_ = nullptr;
    UnregisterClassW(kClassName, tlx::OwnModule());
}

LRESULT CALLBACK SessionLockWatch::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW *>(lp)->lpCreateParams));
    auto *self = reinterpret_cast<SessionLockWatch *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_WTSSESSION_CHANGE && wp == WTS_SESSION_LOCK && self->onLock_) {
        self->onLock_();
        return 0;
    }
    if (self && message == kRegisterAgain && !self->registered_) {
        self->Register();
        return 0;
    }
    return DefWindowProcW(window, message, wp, lp);
}

}  // namespace tlxhistory
