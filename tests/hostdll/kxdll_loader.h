// A fresh copy of KXDLL.dll per test: loading it from the release folder and
// freeing it again resets all of its state, and the unload runs its clean-up.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "kxdll.h"
#include "wine_support.h"

namespace kxtest {

class KxDll {
public:
    KxDll();
    ~KxDll() { Unload(); }
    KxDll(const KxDll &) = delete;
    KxDll &operator=(const KxDll &) = delete;
    void Unload();
    // Empty when the library was loaded with all its exports.
    std::string problems;
    HMODULE module = nullptr;

    decltype(&::Init) Init = nullptr;
    decltype(&::Quit) Quit = nullptr;
    decltype(&::ShowAbout) ShowAbout = nullptr;
    decltype(&::ShowMainProgramWindow) ShowMainProgramWindow = nullptr;
    decltype(&::CallFunction) CallFunction = nullptr;
    decltype(&::NotifyIconControl) NotifyIconControl = nullptr;
    decltype(&::CreateShortCut) CreateShortCut = nullptr;
    decltype(&::SetPluginHost) SetPluginHost = nullptr;
    decltype(&::Plugin_Init) Plugin_Init = nullptr;
    decltype(&::Plugin_Quit) Plugin_Quit = nullptr;
    decltype(&::Plugin_ShowAbout) Plugin_ShowAbout = nullptr;
    decltype(&::Plugin_ShowSetting) Plugin_ShowSetting = nullptr;
    decltype(&::Plugin_Func) Plugin_Func = nullptr;
    decltype(&::Plugin_GetInfo) Plugin_GetInfo = nullptr;
    decltype(&::Plugin_GetFuncInfo) Plugin_GetFuncInfo = nullptr;
    decltype(&::Plugin_GetFuncSettingName) Plugin_GetFuncSettingName = nullptr;
    decltype(&::Plugin_NextFuncSetting) Plugin_NextFuncSetting = nullptr;
};

// What the host callback was called with; the text of event 6 is copied.
struct HostEvent {
    int32_t event;
    INT_PTR a;
    INT_PTR b;
    std::string text;
};

// The host callback of the tests: records every call.
int32_t WINAPI RecordEvent(int32_t event, INT_PTR a, INT_PTR b);
std::vector<HostEvent> &Events();
int CountEvents(int32_t event);

// The identifier a loaded copy of the library gives its tray icon (0 when
// there is no such atom).
UINT IconAtom(HMODULE module);
using ptrtest::ShellHasIcon;

// A window of this process in the clipboard viewer chain that behaves as a
// well-mannered viewer and counts what reaches it.
class TestViewer {
public:
    TestViewer();
    ~TestViewer();
    TestViewer(const TestViewer &) = delete;
    TestViewer &operator=(const TestViewer &) = delete;
    void Join();
    void Leave();
    // Its window goes without leaving the chain, as a killed program's window does.
    void Vanish();
    HWND hwnd = nullptr;
    HWND next = nullptr;
    int draws = 0;
    int chainChanges = 0;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    bool joined_ = false;
};

// Tests that start with a freshly loaded library and no recorded events.
class KxTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ("", kx.problems);
        Events().clear();
    }
    KxDll kx;
};

}  // namespace kxtest
