// The probe plug-in: functions whose only effect is to tell a watching process, through
// the stamp board, that they ran.
//   1 Stamp   action: one stamp
//   2 Accept  check:  counts the call and accepts
//   3 Busy    action: keeps running for setno x 250 ms while answering messages, as a
//                     function with a dialog does, then stamps
//   4 Stall   action: blocks for setno x 250 ms without answering messages, then stamps
//   5 Reject  check:  counts the call and answers no
#include <windows.h>

#include <cstring>
#include <memory>

#include "probe_functions.h"
#include "stamp_board.h"
#include "tlx_plugin.h"

namespace {

constexpr int32_t kSlowSettings = 40;
constexpr DWORD kSlowStepMs = 250;

constexpr probe::FunctionInfo kFunctions[] = {
    {"Stamp", TLX_FUNC_ACTION, 1},
    {"Accept", TLX_FUNC_CHECK, 1},
    {"Busy", TLX_FUNC_ACTION, kSlowSettings},
    {"Stall", TLX_FUNC_ACTION, kSlowSettings},
    {"Reject", TLX_FUNC_CHECK, 1},
};
constexpr int32_t kFunctionCount = sizeof kFunctions / sizeof kFunctions[0];

std::unique_ptr<ptrbench::BoardView> g_board;

void KeepAnswering(DWORD ms) {
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

extern "C" {

int32_t WINAPI PIN_Init(void) {
    g_board = std::make_unique<ptrbench::BoardView>();
    if (g_board->Ok()) InterlockedIncrement(&g_board->Board().inits);
    return 0;
}

void WINAPI PIN_Quit(void) {
    if (g_board && g_board->Ok()) InterlockedIncrement(&g_board->Board().quits);
    g_board.reset();
}

int32_t WINAPI PIN_ShowAbout(HWND) { return 0; }
int32_t WINAPI PIN_ShowSetting(int32_t, int32_t, HWND) { return 0; }

int32_t WINAPI PIN_Func(int32_t funcno, int32_t setno, HWND, int32_t callType, int32_t) {
    if (!g_board || !g_board->Ok()) return 0;
    ptrbench::StampBoard &board = g_board->Board();
    const DWORD slowMs = static_cast<DWORD>(setno < 1 ? 1 : setno) * kSlowStepMs;
    switch (funcno) {
    case 1: g_board->Stamp(callType); return 0;
    case 2: InterlockedIncrement(&board.checks); return 1;
    case 5: InterlockedIncrement(&board.checks); return 0;
    case 3:
        InterlockedIncrement(&board.busyStarts);
        KeepAnswering(slowMs);
        g_board->Stamp(callType);
        return 0;
    case 4:
        InterlockedIncrement(&board.busyStarts);
        Sleep(slowMs);
        g_board->Stamp(callType);
        return 0;
    default: return 0;
    }
}

int32_t WINAPI PIN_GetInfo(TlxPluginInfo *info) {
    probe::CopyField(info->Name, sizeof info->Name, "Probe");
    probe::CopyField(info->Version, sizeof info->Version, "1.00");
    probe::CopyField(info->Comment, sizeof info->Comment, "Stamps the moments its functions run.");
    info->FuncCount = kFunctionCount;
    return 0;
}

int32_t WINAPI PIN_GetFuncInfo(int32_t funcno, TlxFuncInfo *info) {
    return probe::FillFuncInfo(kFunctions, funcno, info);
}

int32_t WINAPI PIN_GetFuncSettingName(int32_t funcno, int32_t setno, char *buffer, int32_t size) {
    const probe::FunctionInfo *f = probe::FindFunction(kFunctions, funcno);
    if (!f || f->settings == 1) return 0;
    char name[32];
    const int n = wsprintfA(name, "%d ms", setno * static_cast<int>(kSlowStepMs));
    if (buffer) std::strncpy(buffer, name, static_cast<size_t>(size));
    return n < size ? n : size;
}

}  // extern "C"
