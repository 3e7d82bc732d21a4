// CallFunction: hands a function request to the running program.
//
// There is one shared block. Senders take turns through a second named mutex
// that each holds from writing the block until its broadcast has been
// answered, so a receiver always reads the record its own broadcast was sent
// for: two senders at nearly the same moment can neither lose one request nor
// deliver the other twice.
#include "call_function.h"

#include "call_record.h"
#include "kxdll.h"
#include "registered_messages.h"
#include "shared_channel.h"

namespace kx {

namespace {

constexpr const char *kSenderMutexName = "QMSoftware_KXDLL_MessageFile_Sender";
// A sender normally holds its turn for as long as a broadcast takes. Waiting
// is bounded so that a broadcast stuck on a hung window (or a receiver that
// sends a request from inside its own handler) cannot stop every later sender.
constexpr DWORD kSenderTurnTimeoutMs = 10000;

// Holds the senders' turn for its lifetime.
class SenderTurn {
public:
    SenderTurn() : mutex_(CreateMutexA(nullptr, FALSE, kSenderMutexName)) {
        if (mutex_) owned_ = Wait();
    }
    ~SenderTurn() {
        if (owned_) ReleaseMutex(mutex_);
        if (mutex_) CloseHandle(mutex_);
    }
    SenderTurn(const SenderTurn &) = delete;
    SenderTurn &operator=(const SenderTurn &) = delete;

private:
    // Waits for the mutex while still answering messages sent to this thread:
    // the holder may be broadcasting to one of our windows.
    bool Wait() {
        const DWORD start = GetTickCount();
        for (;;) {
            const DWORD elapsed = GetTickCount() - start;
            if (elapsed >= kSenderTurnTimeoutMs) return false;
            const DWORD r = MsgWaitForMultipleObjects(1, &mutex_, FALSE, kSenderTurnTimeoutMs - elapsed,
                                                      QS_SENDMESSAGE);
            if (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED_0) return true;
            if (r != WAIT_OBJECT_0 + 1) return false;
            MSG msg;
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }

    HANDLE mutex_;
    bool owned_ = false;
};

}  // namespace

bool ReceiveCallRecord(KxCallFunctionRecord *record) {
    SharedChannel channel;
    // A block this process had to create holds no sender's request.
    if (channel.Open(kMessageChannel) != kChannelOpenedExisting) return false;
    *record = SanitizedCallRecord(channel.Read());
    return true;
}

}  // namespace kx

extern "C" int32_t WINAPI CallFunction(int32_t functionType, const char *option) {
    const KxCallFunctionRecord record = kx::MakeCallRecord(functionType, option);
    kx::SenderTurn turn;
    kx::SharedChannel channel;
    const kx::ChannelOpenResult opened = channel.Open(kx::kMessageChannel);
    if (opened != kx::kChannelCreated && opened != kx::kChannelOpenedExisting) return 0;
    channel.Write(record);
    // Returns when every top-level window has handled it, so the receivers read
    // the block while this process still holds it open.
    SendMessageA(HWND_BROADCAST, kx::RegisteredMessage(kx::Message::CallFunction), 0, 0);
    return 1;
}
