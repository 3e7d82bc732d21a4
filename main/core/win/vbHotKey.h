// One global hotkey binding. The object owns a global atom from which its hotkey id is
// derived, so no two live objects share an id; destroying it unregisters the hotkey.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace ptr {

class vbHotKey {
public:
    vbHotKey();
    ~vbHotKey();
    vbHotKey(const vbHotKey &) = delete;
    vbHotKey &operator=(const vbHotKey &) = delete;

    HWND NotifyWnd() const { return notifyWnd_; }
    int32_t KeyCode() const { return keyCode_; }
    int32_t KeyMod() const { return keyMod_; }
    int32_t FunctionType() const { return functionType_; }
    const std::string &FunctionOption() const { return functionOption_; }
    int16_t ID() const { return id_; }
    bool Registed() const { return registed_; }

    // Stores the binding and registers it. False when the object is registered already
    // (nothing changes) or the combination cannot be registered now (the binding stays
    // stored, unregistered).
    bool SetHotkey(HWND notifyWnd, int32_t keyCode, int32_t keyMod, int32_t functionType,
                   const std::string &functionOption);
    // Unregisters and clears every field.
    void UnsetHotkey();
    // Whether the combination could be registered now; registers nothing.
    static bool CanSetHotkey(HWND notifyWnd, int32_t keyCode, int32_t keyMod);

private:
    int32_t keyCode_ = 0;
    int32_t keyMod_ = 0;
    HWND notifyWnd_ = nullptr;
    int32_t functionType_ = -1;
    std::string functionOption_;
    bool registed_ = false;
    int16_t id_ = 0;
    ATOM atom_ = 0;
};

}  // namespace ptr
