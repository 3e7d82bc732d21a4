// The named shared memory block and mutex through which processes hand a
// function request to the running program.
#pragma once
#include <windows.h>
#include "tlx_records.h"

namespace kx {

enum ChannelOpenResult {
    kChannelCreated = 0,         // this process made the block: nobody else holds it
    kChannelOpenedExisting = 1,  // another process still holds the block
    kChannelNoMapping = 2,
    kChannelNoView = 3,
    kChannelNoMutex = 4,
};

class SharedChannel {
public:
    SharedChannel() = default;
    ~SharedChannel() { Close(); }
    SharedChannel(const SharedChannel &) = delete;
    SharedChannel &operator=(const SharedChannel &) = delete;

    // Opens "QMSoftware_" + base + "_FileMap" and "..._Mutex"; on failure
    // everything already opened is closed again.
    ChannelOpenResult Open(const char *base);
    void Close();

    void Write(const KxCallFunctionRecord &record);
    KxCallFunctionRecord Read();

private:
    HANDLE mapping_ = nullptr;
    HANDLE mutex_ = nullptr;
    KxCallFunctionRecord *view_ = nullptr;
};

// The base name of the one channel the program uses.
constexpr const char *kMessageChannel = "KXDLL_MessageFile";

}  // namespace kx
