#include "kxdll_loader.h"

#include <shellapi.h>
#include <cstdio>
#include "wine_support.h"

namespace kxtest {

template <typename Proc>
static void Resolve(HMODULE module, const char *name, Proc *proc, std::string *problems) {
    *proc = reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, name)));
    if (!*proc) *problems += std::string(" missing export ") + name;
}

KxDll::KxDll() {
    const std::string path = ptrtest::DistDir() + "KXDLL.dll";
    module = LoadLibraryA(path.c_str());
    if (!module) {
        problems = "cannot load " + path + ", error " + std::to_string(GetLastError());
        return;
    }
#define KX_RESOLVE(name) Resolve(module, #name, &name, &problems)
    KX_RESOLVE(Init);
    KX_RESOLVE(Quit);
    KX_RESOLVE(ShowAbout);
    KX_RESOLVE(ShowMainProgramWindow);
    KX_RESOLVE(CallFunction);
    KX_RESOLVE(NotifyIconControl);
    KX_RESOLVE(CreateShortCut);
    KX_RESOLVE(SetPluginHost);
    KX_RESOLVE(Plugin_Init);
    KX_RESOLVE(Plugin_Quit);
    KX_RESOLVE(Plugin_ShowAbout);
    KX_RESOLVE(Plugin_ShowSetting);
    KX_RESOLVE(Plugin_Func);
    KX_RESOLVE(Plugin_GetInfo);
    KX_RESOLVE(Plugin_GetFuncInfo);
    KX_RESOLVE(Plugin_GetFuncSettingName);
    KX_RESOLVE(Plugin_NextFuncSetting);
#undef KX_RESOLVE
}

void KxDll::Unload() {
    if (module) FreeLibrary(module);
    module = nullptr;
}

std::vector<HostEvent> &Events() {
    static std::vector<HostEvent> events;
    return events;
}

int32_t WINAPI RecordEvent(int32_t event, INT_PTR a, INT_PTR b) {
    HostEvent e{event, a, b, {}};
    if (event == KX_EVENT_CALL_FUNCTION && b) e.text = reinterpret_cast<const char *>(b);
    Events().push_back(e);
    return 0;
}

int CountEvents(int32_t event) {
    int n = 0;
    for (const auto &e : Events()) n += e.event == event;
    return n;
}

UINT IconAtom(HMODULE module) {
    char name[64];
    std::snprintf(name, sizeof name, "KXDLL_NOTIFYICON_%x",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(module)));
    return GlobalFindAtomA(name);
}

TestViewer::TestViewer() {
    static ATOM cls = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KxTestViewer";
        return RegisterClassA(&wc);
    }();
    (void)cls;
    hwnd = CreateWindowExA(0, "KxTestViewer", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TestViewer::~TestViewer() {
    Leave();
    if (hwnd) DestroyWindow(hwnd);
}

void TestViewer::Vanish() {
    DestroyWindow(hwnd);
    hwnd = nullptr;
    joined_ = false;
}

void TestViewer::Join() {
    joined_ = true;
    next = SetClipboardViewer(hwnd);
}

void TestViewer::Leave() {
    if (joined_) ChangeClipboardChain(hwnd, next);
    joined_ = false;
}

LRESULT CALLBACK TestViewer::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<TestViewer *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == WM_DRAWCLIPBOARD) {
        ++self->draws;
        if (self->next) SendMessageA(self->next, msg, wParam, lParam);
        return 0;
    }
    if (self && msg == WM_CHANGECBCHAIN) {
        ++self->chainChanges;
        if (reinterpret_cast<HWND>(wParam) == self->next)
            self->next = reinterpret_cast<HWND>(lParam);
        else if (self->next)
            SendMessageA(self->next, msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace kxtest
