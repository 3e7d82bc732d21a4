#include "vbHotKey.h"

#include <cstdio>

namespace ptr {

namespace {
// Global string atoms lie in 0xC000-0xFFFF: read as a signed 16-bit number that is
// -16384..-1, which gives ids 1..0x4000, inside the range left to applications.
int16_t IdFromAtom(ATOM atom) {
    return atom ? static_cast<int16_t>(static_cast<int16_t>(atom) + 16385) : 0;
}
}  // namespace

vbHotKey::vbHotKey() {
    char name[40];
    std::snprintf(name, sizeof name, "vbHotKey_%llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(this)));
    atom_ = GlobalAddAtomA(name);
    id_ = IdFromAtom(atom_);
}

vbHotKey::~vbHotKey() {
    UnsetHotkey();
    if (atom_) GlobalDeleteAtom(atom_);
}

bool vbHotKey::SetHotkey(HWND notifyWnd, int32_t keyCode, int32_t keyMod, int32_t functionType,
                         const std::string &functionOption) {
    if (registed_) return false;
    notifyWnd_ = notifyWnd;
    keyCode_ = keyCode;
    keyMod_ = keyMod;
    functionType_ = functionType;
    functionOption_ = functionOption;
    if (!id_ || !CanSetHotkey(notifyWnd, keyCode, keyMod)) return false;
    registed_ = RegisterHotKey(notifyWnd, id_, static_cast<UINT>(keyMod), static_cast<UINT>(keyCode)) != 0;
    return registed_;
}

void vbHotKey::UnsetHotkey() {
    if (registed_) UnregisterHotKey(notifyWnd_, id_);
    keyCode_ = 0;
    keyMod_ = 0;
    notifyWnd_ = nullptr;
    functionType_ = -1;
    functionOption_.clear();
    registed_ = false;
}

bool vbHotKey::CanSetHotkey(HWND notifyWnd, int32_t keyCode, int32_t keyMod) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char name[48];
    std::snprintf(name, sizeof name, "vbHotKey_TestRegist%04u%02u%02u%02u%02u%02u", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond);
    const ATOM atom = GlobalAddAtomA(name);
    const int16_t testId = IdFromAtom(atom);
    bool free = false;
    if (testId && RegisterHotKey(notifyWnd, testId, static_cast<UINT>(keyMod), static_cast<UINT>(keyCode))) {
        UnregisterHotKey(notifyWnd, testId);
        free = true;
    }
    if (atom) GlobalDeleteAtom(atom);
    return free;
}

}  // namespace ptr
