#include "shared_channel.h"

#include <string>

namespace kx {

namespace {
// Owns the mutex for one block; an abandoned mutex (its holder died) is ours too.
class MutexLock {
public:
    explicit MutexLock(HANDLE mutex) : mutex_(mutex) { WaitForSingleObject(mutex_, INFINITE); }
    ~MutexLock() { ReleaseMutex(mutex_); }
    MutexLock(const MutexLock &) = delete;
    MutexLock &operator=(const MutexLock &) = delete;

private:
    HANDLE mutex_;
};
}  // namespace

ChannelOpenResult SharedChannel::Open(const char *base) {
    Close();
    const std::string prefix = std::string("QMSoftware_") + base;
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(KxCallFunctionRecord), (prefix + "_FileMap").c_str());
    if (!mapping_) return kChannelNoMapping;
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    view_ = static_cast<KxCallFunctionRecord *>(
        MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(KxCallFunctionRecord)));
    if (!view_) {
        Close();
        return kChannelNoView;
    }
    mutex_ = CreateMutexA(nullptr, FALSE, (prefix + "_Mutex").c_str());
    if (!mutex_) {
        Close();
        return kChannelNoMutex;
    }
    return existed ? kChannelOpenedExisting : kChannelCreated;
}

void SharedChannel::Close() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (mutex_) CloseHandle(mutex_);
    view_ = nullptr;
    mapping_ = mutex_ = nullptr;
}

void SharedChannel::Write(const KxCallFunctionRecord &record) {
    MutexLock lock(mutex_);
    *view_ = record;
}

KxCallFunctionRecord SharedChannel::Read() {
    MutexLock lock(mutex_);
    return *view_;
}

}  // namespace kx
