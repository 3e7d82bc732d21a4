#include "menus.h"

#include "app_state.h"
#include "folder_files.h"
#include "basCommonFunc.h"
#include "settings_window_api.h"
#include "vbIniFile.h"

namespace ptr {

namespace {

class Win32Menus : public MenuBackend {
public:
    MenuHandle CreatePopup() override { return CreatePopupMenu(); }
    void AppendCommand(MenuHandle parent, uint32_t id, const std::string &caption) override {
        InsertMenuA(Menu(parent), static_cast<UINT>(-1), MF_BYPOSITION, id, caption.c_str());
    }
    void AppendSeparator(MenuHandle parent, uint32_t id, const std::string &caption) override {
        InsertMenuA(Menu(parent), static_cast<UINT>(-1), MF_BYPOSITION | MF_SEPARATOR, id, caption.c_str());
    }
    void AppendPopup(MenuHandle parent, MenuHandle popup, const std::string &caption) override {
        InsertMenuA(Menu(parent), static_cast<UINT>(-1), MF_BYPOSITION | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(popup), caption.c_str());
    }
    void Destroy(MenuHandle popup) override { DestroyMenu(Menu(popup)); }
    uint32_t Track(MenuHandle popup, WindowHandle owner) override {
        POINT at{};
        GetCursorPos(&at);
        const HWND window = static_cast<HWND>(owner);
        const BOOL id = TrackPopupMenu(Menu(popup), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
        // Lets the owner's thread notice that the menu has gone, so the next one opens cleanly.
        PostMessageA(window, WM_NULL, 0, 0);
        return static_cast<uint32_t>(id);
    }

private:
    static HMENU Menu(MenuHandle handle) { return static_cast<HMENU>(handle); }
};

class DiskFiles : public MenuFiles {
public:
    bool Exists(const std::string &path) const override { return FileExists(path); }
    std::vector<std::string> List(const std::string &folder) const override { return FileNamesIn(folder); }
    std::unique_ptr<IniStore> Open(const std::string &path) const override { return std::make_unique<vbIniFile>(path); }
};

MenuEnvironment Environment() {
    AppState &app = App();
    return {SystemMenuBackend(), SystemMenuFiles(), app.MenuDataPath, app.Plugins, ProgressToSplash()};
}

}  // namespace

// Never destroyed: the menus of the module state use them until the very end.
MenuBackend &SystemMenuBackend() {
    static Win32Menus *const backend = new Win32Menus;
    return *backend;
}

const MenuFiles &SystemMenuFiles() {
    static const DiskFiles *const files = new DiskFiles;
    return *files;
}

void LoadMenus() { ptr::LoadMenus(App().Menus, Environment(), App().Settings.DefaultMenu); }

vbMenu &LoadMenuByName(const std::string &name) { return ptr::LoadMenuByName(App().Menus, Environment(), name); }

vbMenu *FindMenu(const std::string &name) { return App().Menus.Find(name); }

void ShowMenu(HWND owner, const std::string &name, bool testMode, const MenuItemRun &run) {
    AppState &app = App();
    vbMenu *menu = FindMenu(name);
    if (!menu) return;
    const vbSubMenu *chosen = menu->ShowSubMenu(owner);
    if (testMode) {
        MessageBoxA(owner, MenuTestMessage(chosen, app.Plugins, app.Menus).c_str(), "メニューテスト",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!chosen || !run) return;
    // Copies: the function may rebuild the menus.
    const int32_t type = chosen->FuncType;
    const std::string option = chosen->FuncOption;
    run(type, option);
}

namespace {

// A fully transparent one-pixel tool window at the cursor, for as long as a menu is up.
class StandInOwner {
public:
    StandInOwner() {
        static const ATOM windowClass = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "ptrMenuOwner";
            return RegisterClassA(&wc);
        }();
        POINT at{};
        GetCursorPos(&at);
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED,
                                  reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(windowClass)), kProductName,
                                  WS_POPUP, at.x, at.y, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!window_) return;
        SetLayeredWindowAttributes(window_, 0, 0, LWA_ALPHA);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
    ~StandInOwner() {
        if (window_) DestroyWindow(window_);
    }
    StandInOwner(const StandInOwner &) = delete;
    StandInOwner &operator=(const StandInOwner &) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

}  // namespace

void ShowMenuInFront(const std::string &name, const MenuItemRun &run) {
    AppState &app = App();
    if (!FindMenu(name)) return;   // nothing to show: leave the foreground where it is
    const HWND settings = app.SettingsWindow ? static_cast<HWND>(app.SettingsWindow->Handle()) : nullptr;
    if (settings && IsWindowVisible(settings)) {
        ActivateWindow(settings);
        ShowMenu(settings, name, false, run);
        return;
    }
    const StandInOwner standIn;
    const HWND owner = standIn.Handle() ? standIn.Handle() : app.HostWindow;
    ActivateWindow(owner);
    ShowMenu(owner, name, false, run);
}

}  // namespace ptr
