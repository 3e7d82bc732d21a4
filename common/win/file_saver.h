// Writes a file on a thread of its own: a full history or a large book of phrases is
// megabytes, and writing it through to the disk takes tens of milliseconds that neither
// the copy path nor a paste nor a window may wait for. Only the newest snapshot is
// written; an older one not yet begun is dropped.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace tlx {

class FileSaver {
public:
    FileSaver() = default;
    FileSaver(const FileSaver &) = delete;
    FileSaver &operator=(const FileSaver &) = delete;

    // Hands over what the file at `path` is to hold, as a function that makes its bytes
    // on the saver's thread (it owns a copy of what it writes); the thread starts on the
    // first call. A write that fails (the file held open by another program for a
    // moment) is tried again a moment later, unless a newer snapshot came meanwhile.
    // When the function makes nothing (the bytes could not be made as they must be
    // written, e.g. encrypted), the file stays as it is until the next snapshot.
    void Save(const std::string &path, std::function<std::optional<std::string>()> bytes);
    // Drops what has not begun and waits for a write in progress: afterwards nothing
    // writes the file until the next Save.
    void Cancel();
    // Writes what is pending (one attempt) and ends the thread. To be called before the
    // module is unloaded: a thread cannot be waited for while the system unloads it.
    void Stop();

private:
    struct Job {
        std::string path;
        std::function<std::optional<std::string>()> bytes;
    };
    static DWORD WINAPI ThreadMain(void *self);
    void Run();
    // Makes the job's bytes and writes them; true when done (or there was nothing to write).
    static bool Write(const Job &job);

    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE work_ = CONDITION_VARIABLE_INIT;   // a job came, or stopping
    CONDITION_VARIABLE idle_ = CONDITION_VARIABLE_INIT;   // a write ended
    std::optional<Job> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    HANDLE thread_ = nullptr;
};

}  // namespace tlx
