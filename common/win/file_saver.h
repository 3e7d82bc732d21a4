// Writes a file on a thread of its own: a full history or a large book of phrases is
// megabytes, and writing it through to the disk takes tens of milliseconds that neither
// the copy path nor a paste nor a window may wait for. Only the newest snapshot is
// written; an older one not yet begun is dropped. Nothing is dropped silently: a write
// that keeps failing is said in a balloon once it has failed for a few seconds, and one
// that still fails when the plug-in quits, in a message.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace tlx {

class FileSaver {
public:
    // `what` names the file's content to the user ("定型文", "履歴").
    explicit FileSaver(std::string what) : what_(std::move(what)) {}
    ~FileSaver();
    FileSaver(const FileSaver &) = delete;
    FileSaver &operator=(const FileSaver &) = delete;

    // Hands over what the file at `path` is to hold, as a function that makes its bytes
    // on the saver's thread (it owns a copy of what it writes); the thread starts on the
    // first call. A write that fails (the file held open by another program for a
    // moment) is tried again every second, unless a newer snapshot came meanwhile; from
    // the program's thread, which must run a message loop, the saver looks once a second
    // while a write is pending whether to tell the user. When the function makes nothing
    // (the bytes could not be made as they must be written, e.g. encrypted), the file
    // stays as it is until the next snapshot. `written`, when given, runs on the saver's
    // thread once the file holds those bytes.
    void Save(const std::string &path, std::function<std::optional<std::string>()> bytes,
              std::function<void()> written = {});
    // Drops what has not begun and waits for a write in progress: afterwards nothing
    // writes the file until the next Save.
    void Cancel();
    // Writes what is pending, trying for up to two seconds, and ends the thread; tells
    // the user in a message when it could not. To be called before the module is
    // unloaded: a thread cannot be waited for while the system unloads it.
    void Stop();

private:
    struct Job {
        std::string path;
        std::function<std::optional<std::string>()> bytes;
        std::function<void()> written;
    };
    static DWORD WINAPI ThreadMain(void *self);
    static void CALLBACK OnWatch(HWND, UINT, UINT_PTR timer, DWORD);
    void Run();
    // Makes the job's bytes and writes them; true when done (or there was nothing to write).
    bool Write(const Job &job);
    void Watch();
    void StopWatching();

    const std::string what_;
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE work_ = CONDITION_VARIABLE_INIT;   // a job came, or stopping
    CONDITION_VARIABLE idle_ = CONDITION_VARIABLE_INIT;   // a write ended
    std::optional<Job> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    DWORD stoppedAt_ = 0;
    std::string failing_;       // the file whose last write failed; empty after one succeeded
    DWORD failingSince_ = 0;
    bool told_ = false;         // the user was told of this failure
    HANDLE thread_ = nullptr;
    UINT_PTR watch_ = 0;        // the program thread's timer while a write is pending
};

}  // namespace tlx
