#include "folder_watch.h"

namespace tlxsnippet {

namespace {
// A sync client's replace is a few notices within milliseconds; a copy of many files
// may take longer, and is told in parts.
constexpr DWORD kQuietMs = 25;
constexpr DWORD kLongestMs = 400;
constexpr DWORD kNotices = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;
}  // namespace

void FolderWatch::Start(HWND window, UINT message, const std::vector<std::string> &folders) {
    Stop();
    window_ = window;
    message_ = message;
    watched_.assign(folders.size(), false);
    for (size_t i = 0; i < folders.size() && i < sizeof(WPARAM) * 8; ++i) {
        if (folders[i].empty()) continue;
        const HANDLE change = FindFirstChangeNotificationA(folders[i].c_str(), FALSE, kNotices);
        if (change == INVALID_HANDLE_VALUE) continue;
        changes_.push_back(change);
        bits_.push_back(WPARAM(1) << i);
        watched_[i] = true;
    }
    if (changes_.empty()) return;
    stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = stop_ ? CreateThread(nullptr, 0, &FolderWatch::ThreadMain, this, 0, nullptr) : nullptr;
    if (!thread_) Stop();
}

void FolderWatch::Stop() {
    if (thread_) {
        SetEvent(stop_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    if (stop_) CloseHandle(stop_);
    stop_ = nullptr;
    for (const HANDLE change : changes_) FindCloseChangeNotification(change);
    changes_.clear();
    bits_.clear();
    std::fill(watched_.begin(), watched_.end(), false);
}

DWORD WINAPI FolderWatch::ThreadMain(void *self) {
    static_cast<FolderWatch *>(self)->Run();
    return 0;
}

void FolderWatch::Run() {
    std::vector<HANDLE> handles{stop_};
    handles.insert(handles.end(), changes_.begin(), changes_.end());
    const DWORD count = static_cast<DWORD>(handles.size());
    for (;;) {
        DWORD signalled = WaitForMultipleObjects(count, handles.data(), FALSE, INFINITE);
        WPARAM changed = 0;
        const DWORD first = GetTickCount();
        // Gathers the burst until it has been quiet for kQuietMs.
        while (signalled != WAIT_TIMEOUT) {
            if (signalled == WAIT_OBJECT_0 || signalled >= WAIT_OBJECT_0 + count) return;   // stopping, or failed
            const DWORD index = signalled - WAIT_OBJECT_0 - 1;
            changed |= bits_[index];
            FindNextChangeNotification(changes_[index]);
            if (GetTickCount() - first >= kLongestMs) break;
            signalled = WaitForMultipleObjects(count, handles.data(), FALSE, kQuietMs);
        }
        PostMessageW(window_, message_, changed, 0);
    }
}

}  // namespace tlxsnippet
