// A second start of ptrmain: "/Execute:" is handed to the running instance, a plain
// start offers the running instance's settings window. The test program plays the
// running instance: it owns the host DLL's window and records the events it receives.
#include <gtest/gtest.h>

#include <vector>

#include "host_dll.h"
#include "wine_support.h"

using namespace ptr;

namespace {

struct Event {
    int32_t event;
    INT_PTR a;
    std::string text;   // option text of event 6
};
std::vector<Event> g_events;

int32_t WINAPI RecordEvent(int32_t event, INT_PTR a, INT_PTR b) {
    Event e{event, a, {}};
    if (event == KX_EVENT_CALL_FUNCTION) e.text = reinterpret_cast<const char *>(b);
    g_events.push_back(e);
    return 0;
}

class SecondStart : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(HostDll::Load(ptrtest::DistDir()));
        HostDll::Get().Init(RecordEvent);
    }
    void SetUp() override {
        for (const char *file : {"ptrmain.exe", "KXDLL.dll"})
            ASSERT_TRUE(ptrtest::CopyFileTo(ptrtest::DistDir() + file, folder.path + file)) << file;
        ptrtest::PumpFor(50);
        g_events.clear();
    }

    // Runs ptrmain with the arguments to its end; returns its exit code (-1: still running).
    int RunSecond(const std::string &args) {
        auto child = ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\" " + args, folder.path);
        return child.Wait(20000);
    }
    std::vector<Event> EventsOf(int32_t kind) const {
        std::vector<Event> out;
        for (const auto &e : g_events)
            if (e.event == kind) out.push_back(e);
        return out;
    }

    ptrtest::TempDir folder;
};

// The message box ptrmain shows, found from outside like a user would see it.
struct FoundBox {
    DWORD pid;
    HWND box = nullptr;
};

BOOL CALLBACK FindBoxOf(HWND hwnd, LPARAM param) {
    auto *f = reinterpret_cast<FoundBox *>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (pid == f->pid && IsWindowVisible(hwnd) && std::string(title) == "ポルテリカ") {
        f->box = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM param) {
    char cls[32] = {}, text[1024] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, text, sizeof text);
    if (_stricmp(cls, "Static") == 0 && text[0]) *reinterpret_cast<std::string *>(param) += text;
    return TRUE;
}

HWND WaitForMessageBox(DWORD pid) {
    FoundBox f{pid};
    ptrtest::PumpUntil([&] { EnumWindows(FindBoxOf, reinterpret_cast<LPARAM>(&f)); return f.box != nullptr; }, 15000);
    return f.box;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

const char kRunningWarning[] =
    "本ソフトは既に起動されています。\r\n(多重起動は出来ません)\r\n起動中の本ソフトの設定画面を開きますか？";

}  // namespace

TEST_F(SecondStart, LowerCaseExecuteHandsTypeAndWholePath) {
    EXPECT_EQ(0, RunSecond("/execute:3:C:\\Users\\test\\メモ.txt"));
    const auto calls = EventsOf(KX_EVENT_CALL_FUNCTION);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(3, calls[0].a);
    EXPECT_EQ("C:\\Users\\test\\メモ.txt", calls[0].text);
}

TEST_F(SecondStart, ExecuteWithoutSecondColonSendsNothing) {
    EXPECT_EQ(0, RunSecond("/Execute"));
    EXPECT_EQ(0, RunSecond("/Execute:1"));
    ptrtest::PumpFor(200);
    EXPECT_TRUE(EventsOf(KX_EVENT_CALL_FUNCTION).empty());
}

TEST_F(SecondStart, OverlongExecuteIsCutAtTheRecordSize) {
    const std::string option(30000, 'a');
    EXPECT_EQ(0, RunSecond("/Execute:1:" + option));
    const auto calls = EventsOf(KX_EVENT_CALL_FUNCTION);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(1, calls[0].a);
    EXPECT_EQ(std::string(1027, 'a'), calls[0].text);
}

TEST_F(SecondStart, PlainStartWarnsAndOnYesAsksForTheSettingsWindow) {
    // This test program holds the host window; make it count as the running instance.
    HANDLE instance = CreateMutexA(nullptr, FALSE, "Porterica_ptrmain_Instance");
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        g_events.clear();
        auto child = ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\"", folder.path);
        HWND box = WaitForMessageBox(child.id);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(kRunningWarning, MessageBoxText(box));
        SendMessageA(GetDlgItem(box, yes ? IDYES : IDNO), BM_CLICK, 0, 0);
        EXPECT_EQ(0, child.Wait(15000));
        ptrtest::PumpUntil([&] { return !EventsOf(KX_EVENT_SHOW_WINDOW).empty(); }, yes ? 5000 : 500);
        EXPECT_EQ(yes ? 1u : 0u, EventsOf(KX_EVENT_SHOW_WINDOW).size());
        // No settings were written by the second process.
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder.path + "Setting.ini").c_str()));
    }
    CloseHandle(instance);
}

TEST_F(SecondStart, RealRunningInstanceEndsOnProgramQuitRequest) {
    auto first = ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\"", folder.path);
    // Resident once its instance is taken and its host window exists; then a second
    // plain start must meet the warning, and "/Execute:0:7" ends the first.
    ASSERT_TRUE(ptrtest::PumpUntil([&] {
        HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, "Porterica_ptrmain_Instance");
        if (m) CloseHandle(m);
        return m != nullptr;
    }, 15000));
    auto second = ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\"", folder.path);
    HWND box = WaitForMessageBox(second.id);
    ASSERT_NE(nullptr, box);
    SendMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    EXPECT_EQ(0, second.Wait(15000));

    // Requests can be dropped while the first is still starting; repeat until it ends.
    int code = -1;
    for (int attempt = 0; attempt < 20 && code == -1; ++attempt) {
        RunSecond("/Execute:0:7");
        code = first.Wait(500);
    }
    EXPECT_EQ(0, code);
}
