// What the program core asks of the settings main window.
#pragma once

namespace ptr {

class SettingsWindowApi {
public:
    virtual ~SettingsWindowApi() = default;
    virtual bool IsVisible() const = 0;
    virtual void BringToFront() = 0;
    virtual void ShowPage(int mode) = 0;       // activate page `mode`, then show
    virtual void Close() = 0;                  // closing ends the program
    virtual void TrayButtonUp(int button) = 0;
    virtual void TrayDoubleClick(int button) = 0;
    virtual void SetWatchMenuCheck(bool on) = 0;
    // The window itself (an HWND), which owns the popup menus it brings up.
    virtual void *Handle() const { return nullptr; }
};

}  // namespace ptr
