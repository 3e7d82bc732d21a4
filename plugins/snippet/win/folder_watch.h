// Folders watched on a thread of the plug-in's own through the system's change
// notifications, so that nothing runs while nothing changes. A burst of changes — a
// sync client writing a temporary file, then renaming it over the old one — is told
// once it has been quiet for a moment, as a message posted to a window of the
// program's thread.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tlxsnippet {

class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch() { Stop(); }
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // Watches the folders (a folder that is missing, or empty, is not watched) and posts
    // `message` to `window` after changes, wParam holding bit i for folders[i].
    void Start(HWND window, UINT message, const std::vector<std::string> &folders);
    void Stop();
    // Whether folders[i] is watched.
    bool Watching(size_t i) const { return i < watched_.size() && watched_[i]; }

private:
    static DWORD WINAPI ThreadMain(void *self);
    void Run();

    HWND window_ = nullptr;
    UINT message_ = 0;
    HANDLE stop_ = nullptr;
    HANDLE thread_ = nullptr;
    std::vector<HANDLE> changes_;   // of the folders watched
    std::vector<WPARAM> bits_;      // each one's bit
    std::vector<bool> watched_;
};

}  // namespace tlxsnippet
