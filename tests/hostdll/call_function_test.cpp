// Function requests from other processes: CallFunction in a child process
// reaches this process's running instance as event 6.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>

#include "kxdll_loader.h"
#include "wine_support.h"

using kxtest::CountEvents;
using kxtest::Events;
using kxtest::RecordEvent;
using ptrtest::PumpFor;
using ptrtest::PumpUntil;

namespace {

struct Request {
    int32_t type;
    std::string text;
    std::string arrives;
};

// What the sender child sends and what must arrive, in order.
std::vector<Request> Requests() {
    const std::string a = "\x82\xa0";  // あ
    const std::string exact = std::string(1025, 'x') + a;
    return {
        {0, "", ""},
        {1, exact, exact},  // exactly 1,027 bytes, ending in a double-byte character
        {2, std::string(1026, 'y') + a + std::string(3000, 'z'), std::string(1026, 'y')},
        {-1, "表示ソフト\\tlxText.tlx/1/1", "表示ソフト\\tlxText.tlx/1/1"},  // trail bytes 0x5C
    };
}

std::vector<kxtest::HostEvent> RequestEvents() {
    std::vector<kxtest::HostEvent> out;
    for (const auto &e : Events())
        if (e.event == KX_EVENT_CALL_FUNCTION) out.push_back(e);
    return out;
}

PTR_CHILD(send_requests) {
    kxtest::KxDll kx;
    if (!kx.problems.empty()) return 2;
    for (const Request &r : Requests())
        if (!kx.CallFunction(r.type, r.text.c_str())) return 1;
    return 0;
}

// Waits for the start signal so that all senders write at nearly the same time.
constexpr const char *kStartSignal = "KxTest_CallFunction_Start";
constexpr int kSenders = 6, kRequestsPerSender = 5;

std::string BurstText(int sender, int request) {
    return "sender" + std::to_string(sender) + "-request" + std::to_string(request);
}

PTR_CHILD(send_burst) {
    const int sender = atoi(args.at(0).c_str());
    kxtest::KxDll kx;
    if (!kx.problems.empty()) return 2;
    HANDLE start = CreateEventA(nullptr, TRUE, FALSE, kStartSignal);
    WaitForSingleObject(start, 20000);
    CloseHandle(start);
    for (int i = 0; i < kRequestsPerSender; ++i) kx.CallFunction(100 + sender, BurstText(sender, i).c_str());
    return 0;
}

// A ChildProcess owns its handle and must not be copied: it is built in place.
struct Sender {
    explicit Sender(int s) : child(ptrtest::StartChild("send_burst", {std::to_string(s)})) {}
    ptrtest::ChildProcess child;
};

class CallFunction : public kxtest::KxTest {};

TEST_F(CallFunction, RequestsFromAnotherProcessArriveAsEvent6) {
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    Events().clear();
    auto child = ptrtest::StartChild("send_requests");
    EXPECT_EQ(0, child.Wait());
    PumpFor(100);

    const auto expected = Requests();
    const auto got = RequestEvents();
    ASSERT_EQ(expected.size(), got.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "request " << i);
        EXPECT_EQ(expected[i].type, got[i].a);
        EXPECT_EQ(expected[i].arrives.size(), got[i].text.size());
        EXPECT_EQ(expected[i].arrives, got[i].text);
    }
    EXPECT_EQ(expected.size(), Events().size()) << "nothing but the requests";
}

TEST_F(CallFunction, ConcurrentSendersAreEachDeliveredExactlyOnce) {
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    Events().clear();
    HANDLE start = CreateEventA(nullptr, TRUE, FALSE, kStartSignal);
    ResetEvent(start);
    std::vector<std::unique_ptr<Sender>> senders;
    for (int s = 0; s < kSenders; ++s) senders.push_back(std::make_unique<Sender>(s));
    PumpFor(500);  // let them reach the start line
    SetEvent(start);
    for (auto &sender : senders) EXPECT_EQ(0, sender->child.Wait(60000));
    CloseHandle(start);
    PumpFor(100);

    std::vector<std::string> expected, got;
    for (int s = 0; s < kSenders; ++s)
        for (int i = 0; i < kRequestsPerSender; ++i) expected.push_back(BurstText(s, i));
    for (const auto &e : RequestEvents()) {
        got.push_back(e.text);
        const std::string sender = "sender" + std::to_string(e.a - 100) + "-";
        EXPECT_EQ(0u, e.text.rfind(sender, 0)) << "type " << e.a << " came with " << e.text;
    }
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(expected, got);
}

TEST_F(CallFunction, ARequestFromThisProcessArrivesBeforeCallFunctionReturns) {
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    Events().clear();
    EXPECT_NE(0, kx.CallFunction(3, "C:\\Readme.html"));
    ASSERT_EQ(1u, RequestEvents().size());
    EXPECT_EQ(3, RequestEvents()[0].a);
    EXPECT_EQ("C:\\Readme.html", RequestEvents()[0].text);
}

TEST_F(CallFunction, ABroadcastWithoutASenderRaisesNothing) {
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    Events().clear();
    SendMessageA(HWND_BROADCAST, RegisterWindowMessageA("KXDLL_CallFunction"), 0, 0);
    PumpFor(100);
    EXPECT_EQ(0, CountEvents(KX_EVENT_CALL_FUNCTION));
}

PTR_CHILD(send_one) {
    kxtest::KxDll kx;
    if (!kx.problems.empty()) return 2;
    return kx.CallFunction(0, "nobody listens") ? 0 : 1;
}

TEST_F(CallFunction, WithoutARunningInstanceTheSenderReturns) {
    auto child = ptrtest::StartChild("send_one");
    EXPECT_EQ(0, child.Wait());
    EXPECT_TRUE(Events().empty());
}

}  // namespace
